#pragma once
// Creating a field object from its XML element.

#include <memory>

#include <pugixml.hpp>

#include "FormField.h"
#include "XMLHelper.h"

// The stored typ names no field class: the file is damaged.
class EUnknownFieldType : public EConvertError {
 public:
  using EConvertError::EConvertError;
};

// A new field of the class named by element's typ child, loaded from element.
// Throws EUnknownFieldType for a missing or unknown typ, EConvertError for an
// unreadable value.
std::unique_ptr<TFormField> CreateFieldFromElement(pugi::xml_node element);

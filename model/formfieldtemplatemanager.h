#pragma once
// The user's field templates (vorlagen.xml): fields stored once and inserted
// into any project.

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "FormField.h"

// A stored template element together with the document that owns it; Node is
// empty when there is no template at the asked position.
struct TTemplateNode {
  std::shared_ptr<pugi::xml_document> Document;
  pugi::xml_node Node;
};

class TFormFieldTemplateManager {
 public:
  TFormFieldTemplateManager() = delete;
  // The name of every template in file order; empty for a missing file.
  static std::vector<std::string> GetTemplateNames();
  // The stored element of the template at index (read afresh from the file).
  static TTemplateNode GetTemplateNode(int index);
  // A new field made from the template at index; nullptr when there is none
  // or it cannot be read.
  static std::unique_ptr<TFormField> CreateFieldFromTemplate(int index);
  // Appends field as a new template. False when the file could not be written.
  static bool AddTemplate(const TFormField& field);
  // Removes the template at index. False when the file could not be written.
  static bool DeleteTemplate(int index);
  static std::string GetFileName();
};

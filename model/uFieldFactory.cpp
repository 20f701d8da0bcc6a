#include "uFieldFactory.h"

#include <functional>
#include <map>

#include "uCalendarClass.h"
#include "uCheckBoxClass.h"
#include "uCheckBoxListClass.h"
#include "uDropDownClass.h"
#include "uFileUploadClass.h"
#include "uMultiLineClass.h"
#include "uPasswortFieldClass.h"
#include "uRadioButtonClass.h"
#include "uSingleLineClass.h"
#include "uZwFieldClass.h"

namespace {

using TMaker = std::unique_ptr<TFormField> (*)();

template <class T>
std::unique_ptr<TFormField> Make() {
  return std::make_unique<T>();
}

// The stored class names, compared exactly. A top-level "TCheckBoxField" is
// always a single check box, never a check-box-list item.
const std::map<std::string, TMaker>& Makers() {
  static const std::map<std::string, TMaker> makers = {
      {"TEinzField", &Make<TEinzField>},         {"TPassField", &Make<TPassField>},
      {"TMehrzField", &Make<TMehrzField>},       {"TZwField", &Make<TZwField>},
      {"TCheckBoxField", &Make<TCheckBoxField>}, {"TDropDownField", &Make<TDropDownField>},
      {"TRadioField", &Make<TRadioField>},       {"TFileField", &Make<TFileField>},
      {"TCheckBoxList", &Make<TCheckBoxList>},   {"TCalField", &Make<TCalField>},
  };
  return makers;
}

}  // namespace

std::unique_ptr<TFormField> CreateFieldFromElement(pugi::xml_node element) {
  // One pass over the children serves the type and every value.
  const TXMLChildren children(element);
  const pugi::xml_node typNode = children.Child("typ");
  if (!typNode) throw EUnknownFieldType("Field without a \"typ\" element");
  const std::string typ = TXMLHelper::ElementText(typNode);
  const auto found = Makers().find(typ);
  if (found == Makers().end()) throw EUnknownFieldType("Unknown field type \"" + typ + "\"");
  std::unique_ptr<TFormField> field = found->second();
  field->ReadFromXML(children);
  return field;
}

#include "StandardSimpleCheckbox.h"

#include "StandardMarkup.h"
#include "model/uSimpleCheckboxClass.h"

std::string TStandardSimpleCheckbox::GetHtmlCode() {
  const auto& f = static_cast<const TCheckBoxFieldSimple&>(Field);
  return "<input type=\"Checkbox\" name=\"" + f.Name + "\" value=\"" + f.Vorgabewert + "\"" +
         StdFieldClass(UseFieldClass) + "> " + f.Beschriftung + "<br>" + kCRLF;
}

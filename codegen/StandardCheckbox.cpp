#include "StandardCheckbox.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uCheckBoxClass.h"

std::string TStandardCheckbox::GetHtmlCode() {
  const auto& f = static_cast<const TCheckBoxField&>(Field);
  return StdRowOpening(f.Beschriftung) + "<input type=\"Checkbox\" name=\"" + f.Name +
         "\" value=\"" + f.Vorgabewert + "\"" + StdFieldClass(UseFieldClass) + "> " +
         f.BeschriftungNach + "</td></tr>" + kCRLF;
}

std::string TStandardCheckbox::GetCheckScript() {
  return StdCheckboxCheckScript(Field, Ctx);
}

std::string TStandardCheckbox::GetCookieLoadScript() {
  return StdCheckboxCookieLoadScript(Field);
}

std::string TStandardCheckbox::GetCookieSaveScript() {
  return StdCheckboxCookieSaveScript(Field);
}

#include "StandardDropdown.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uDropDownClass.h"

std::string TStandardDropdown::GetHtmlCode() {
  const auto& f = static_cast<const TDropDownField&>(Field);
  // The first option follows the opening tag on its line; each option ends
  // its own line.
  std::string s = StdRowOpening(f.Beschriftung) + "<select name=\"" + f.Name + "\" size=\"" +
                  f.Groesse + "\"" + StdFieldClass(UseFieldClass) + ">";
  for (const TDropDownOption& option : DropDownOptions(f, Ctx)) s += OptionTag(option) + kCRLF;
  s += "</select> " + f.BeschriftungNach + "</td></tr>" + kCRLF;
  return s;
}

std::string TStandardDropdown::GetCheckScript() {
  return StdDropdownCheckScript(static_cast<const TDropDownField&>(Field), Ctx);
}

std::string TStandardDropdown::GetCookieLoadScript() {
  return StdDropdownCookieLoadScript(Field);
}

std::string TStandardDropdown::GetCookieSaveScript() {
  return StdDropdownCookieSaveScript(Field);
}

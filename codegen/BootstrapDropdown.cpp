#include "BootstrapDropdown.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"

std::string TBootstrapDropdown::GetHtmlCode() {
  const TDropDownField& f = F();
  std::string code = RowOpening() + "\t\t<select id=\"" + f.Name + "\" name=\"" + f.Name +
                     "\" class=\"form-control\" size=\"" + f.Groesse + "\">\r\n";
  for (const TDropDownOption& option : DropDownOptions(f, Ctx))
    code += "\t\t\t" + OptionTag(option) + "\r\n";
  code += "\t\t</select> " + f.BeschriftungNach + "\r\n";
  return code + RowClosing();
}

std::string TBootstrapDropdown::GetCheckScript() {
  return StdDropdownCheckScript(F(), Ctx);
}

std::string TBootstrapDropdown::GetCookieLoadScript() {
  return StdDropdownCookieLoadScript(Field);
}

std::string TBootstrapDropdown::GetCookieSaveScript() {
  return StdDropdownCookieSaveScript(Field);
}

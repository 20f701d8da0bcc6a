#include "BootstrapCheckbox.h"

#include "StandardScripts.h"

std::string TBootstrapCheckbox::GetHtmlCode() {
  const TCheckBoxField& f = F();
  return RowOpening() +
         "\t\t<div class=\"checkbox\">\r\n"
         "\t\t\t<label>\r\n"
         "\t\t<input type=\"checkbox\" name=\"" +
         f.Name + "\" value=\"" + f.Vorgabewert + "\" class=\"checkbox\"> " + f.BeschriftungNach +
         "<br>\r\n"
         "\t\t\t</label>\r\n"
         "\t\t</div>\r\n" +
         RowClosing();
}

std::string TBootstrapCheckbox::GetCheckScript() {
  return StdCheckboxCheckScript(Field, Ctx);
}

std::string TBootstrapCheckbox::GetCookieLoadScript() {
  return StdCheckboxCookieLoadScript(Field);
}

std::string TBootstrapCheckbox::GetCookieSaveScript() {
  return StdCheckboxCookieSaveScript(Field);
}

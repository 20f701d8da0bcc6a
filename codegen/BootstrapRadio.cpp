#include "BootstrapRadio.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"

std::string TBootstrapRadio::GetHtmlCode() {
  const TRadioField& f = F();
  std::string code = RowOpening();
  const std::vector<std::string> items = ItemList(f.Felder);
  for (size_t i = 0; i < items.size(); ++i) {
    code += "\t\t<input type=\"radio\" name=\"" + f.Name + "\" value=\"" + items[i] + "\" id=\"" +
            f.Name + std::to_string(i) + "\">&nbsp;" + items[i];
    if (!f.SingleLine) code += "<br>";
    code += "\r\n";
  }
  code += GetHelpBlock() + "\r\n";
  return code + RowClosing();
}

std::string TBootstrapRadio::GetCheckScript() {
  return StdRadioCheckScript(F(), Ctx);
}

std::string TBootstrapRadio::GetCookieLoadScript() {
  return StdRadioCookieLoadScript(Field);
}

std::string TBootstrapRadio::GetCookieSaveScript() {
  return StdRadioCookieSaveScript(Field);
}

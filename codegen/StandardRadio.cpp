#include "StandardRadio.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uRadioButtonClass.h"

std::string TStandardRadio::GetHtmlCode() {
  const auto& f = static_cast<const TRadioField&>(Field);
  const std::string cls = StdFieldClass(UseFieldClass);
  std::string s = StdRowOpening(f.Beschriftung);
  // No button is pre-selected: Vorgabewert plays no part in the markup.
  for (const std::string& item : ItemList(f.Felder)) {
    s += "<input type=\"radio\" name=\"" + f.Name + "\" value=\"" + item + "\"" + cls + ">" + item;
    if (!f.SingleLine) s += "<br>";
    s += kCRLF;
  }
  s += f.BeschriftungNach + "</td></tr>" + kCRLF;
  return s;
}

std::string TStandardRadio::GetCheckScript() {
  return StdRadioCheckScript(static_cast<const TRadioField&>(Field), Ctx);
}

std::string TStandardRadio::GetCookieLoadScript() {
  return StdRadioCookieLoadScript(Field);
}

std::string TStandardRadio::GetCookieSaveScript() {
  return StdRadioCookieSaveScript(Field);
}

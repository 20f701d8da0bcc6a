#include "StandardMultiLine.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uMultiLineClass.h"

std::string TStandardMultiLine::GetHtmlCode() {
  const auto& f = static_cast<const TMehrzField&>(Field);
  const std::string cls = StdFieldClass(UseFieldClass);
  std::string s = StdRowOpening(f.Beschriftung) + "<textarea name=\"" + f.Name + "\" cols=\"" +
                  f.Breite + "\" rows=\"" + f.Hoehe + "\"" + cls;
  // Only a limited field counts its characters after each key press.
  if (!f.MaxLaenge.empty()) s += " onkeyup=\"javascript:zaehle_" + f.Name + "()\" ";
  if (f.VorgabeLoeschen)
    s += " placeholder=\"" + f.Vorgabewert + "\"></textarea> ";
  else
    s += ">" + f.Vorgabewert + "</textarea> ";
  s += f.BeschriftungNach;
  if (f.ZeichenAnzeige)
    s += "<br><input name=\"anzeige_" + f.Name + "\" type=\"text\" size=\"8\" readonly value=\"" +
         f.MaxLaenge + "\"" + cls + "> " + f.ZeichenAnzeigeText;
  s += "</td></tr>" + std::string(kCRLF);
  return s;
}

std::string TStandardMultiLine::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

std::string TStandardMultiLine::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TStandardMultiLine::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

std::string TStandardMultiLine::GetCounterScript() {
  return StdCounterScript(static_cast<const TMehrzField&>(Field));
}

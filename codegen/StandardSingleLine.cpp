#include "StandardSingleLine.h"

#include "HtmlTools.h"
#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uSingleLineClass.h"

std::string TStandardSingleLine::GetHtmlCode() {
  const auto& f = static_cast<const TEinzField&>(Field);
  return StdRowOpening(f.Beschriftung) + "<input type=\"text\" name=\"" + f.Name + "\" " +
         ValueAttr(f.VorgabeLoeschen, f.Vorgabewert) + " size=\"" + f.Groesse + "\" maxlength=\"" +
         f.MaxLaenge + "\"" + StdFieldClass(UseFieldClass) + "> " + f.BeschriftungNach +
         "</td></tr>" + kCRLF;
}

std::string TStandardSingleLine::GetCheckScript() {
  return StdSingleLineCheckScript(static_cast<const TEinzField&>(Field), Ctx);
}

std::string TStandardSingleLine::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TStandardSingleLine::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

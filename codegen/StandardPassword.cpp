#include "StandardPassword.h"

#include "HtmlTools.h"
#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uPasswortFieldClass.h"

std::string TStandardPassword::GetHtmlCode() {
  const auto& f = static_cast<const TPassField&>(Field);
  return StdRowOpening(f.Beschriftung) + "<input type=\"password\" name=\"" + f.Name + "\" " +
         ValueAttr(f.VorgabeLoeschen, f.Vorgabewert) + " size=\"" + f.Groesse + "\" maxlength=\"" +
         f.MaxLaenge + "\"" + StdFieldClass(UseFieldClass) + "> " + f.BeschriftungNach +
         "</td></tr>" + kCRLF;
}

std::string TStandardPassword::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

std::string TStandardPassword::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TStandardPassword::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

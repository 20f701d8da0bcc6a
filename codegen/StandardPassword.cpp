#include "StandardPassword.h"

#include "HtmlTools.h"
#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uPasswortFieldClass.h"

std::string TStandardPassword::GetHtmlCode() {
  return StdTextInputRow("password", static_cast<const TPassField&>(Field), UseFieldClass);
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

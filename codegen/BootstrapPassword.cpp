#include "BootstrapPassword.h"

#include "StandardScripts.h"

std::string TBootstrapPassword::GetHtmlCode() {
  const TPassField& f = F();
  return RowOpening() +
         TextInputLine("password", f.Vorgabewert, f.VorgabeLoeschen, f.MaxLaenge, true) +
         GetHelpBlock() + RowClosing();
}

std::string TBootstrapPassword::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

std::string TBootstrapPassword::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TBootstrapPassword::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

#include "BootstrapSingleLine.h"

#include "StandardScripts.h"

std::string TBootstrapSingleLine::GetHtmlCode() {
  const TEinzField& f = F();
  return RowOpening() + TextInputLine("text", f.Vorgabewert, f.VorgabeLoeschen, f.MaxLaenge, true) +
         GetHelpBlock() + RowClosing();
}

std::string TBootstrapSingleLine::GetCheckScript() {
  return StdSingleLineCheckScript(F(), Ctx);
}

std::string TBootstrapSingleLine::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TBootstrapSingleLine::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

#include "BootstrapCalendar.h"

#include "StandardScripts.h"

std::string TBootstrapCalendar::GetHtmlCode() {
  const TEinzField& f = F();
  return RowOpening() +
         TextInputLine("text", f.Vorgabewert, f.VorgabeLoeschen, f.MaxLaenge, false) +
         GetHelpBlock() + RowClosing();
}

std::string TBootstrapCalendar::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

#include "BootstrapMultiLine.h"

#include "HtmlTools.h"
#include "StandardScripts.h"

std::string TBootstrapMultiLine::GetHtmlCode() {
  const TMehrzField& f = F();
  const std::string rows = f.Hoehe.empty() ? "" : " rows=\"" + f.Hoehe + "\"";
  std::string line = "\t\t<textarea id=\"textarea\" class=\"form-control\" name=\"" + f.Name + "\"";
  if (f.VorgabeLoeschen)
    line += " " + ValueAttr(true, f.Vorgabewert) + rows + "></textarea>";
  else
    line += rows + ">" + f.Vorgabewert + "</textarea>";
  // The help paragraph shares the text area's line, and an empty line follows.
  if (!f.BeschriftungNach.empty())
    line += "<p class=\"help-block\">" + f.BeschriftungNach + "</p>\r\n";
  line += "\r\n";
  return RowOpening() + line + RowClosing();
}

std::string TBootstrapMultiLine::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

std::string TBootstrapMultiLine::GetCookieLoadScript() {
  return StdTextCookieLoadScript(Field);
}

std::string TBootstrapMultiLine::GetCookieSaveScript() {
  return StdTextCookieSaveScript(Field);
}

std::string TBootstrapMultiLine::GetCounterScript() {
  return StdCounterScript(F());
}

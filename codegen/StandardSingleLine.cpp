#include "StandardSingleLine.h"

#include "HtmlTools.h"
#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uSingleLineClass.h"

std::string TStandardSingleLine::GetHtmlCode() {
  return StdTextInputRow("text", static_cast<const TEinzField&>(Field), UseFieldClass);
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

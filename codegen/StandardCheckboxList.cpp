#include "StandardCheckboxList.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "StandardSimpleCheckbox.h"
#include "model/uCheckBoxListClass.h"

std::string TStandardCheckboxList::GetHtmlCode() {
  const auto& f = static_cast<const TCheckBoxList&>(Field);
  std::string s = StdRowOpening(f.Beschriftung);
  for (const auto& item : f.Items) {
    TStandardSimpleCheckbox generator(*item, Ctx);
    generator.UseFieldClass = UseFieldClass;
    s += generator.GetHtmlCode();
  }
  // The list's own text after the field has no place in this layout.
  s += "</td></tr>" + std::string(kCRLF);
  return s;
}

std::string TStandardCheckboxList::GetCheckScript() {
  return StdCheckboxListCheckScript(static_cast<const TCheckBoxList&>(Field), Ctx);
}

std::string TStandardCheckboxList::GetCookieLoadScript() {
  return StdCheckboxListCookieLoadScript(static_cast<const TCheckBoxList&>(Field), Ctx);
}

std::string TStandardCheckboxList::GetCookieSaveScript() {
  return StdCheckboxListCookieSaveScript(static_cast<const TCheckBoxList&>(Field), Ctx);
}

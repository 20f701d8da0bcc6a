#include "BootstrapCheckboxList.h"

#include "BootstrapSimpleCheckbox.h"
#include "StandardScripts.h"

std::string TBootstrapCheckboxList::GetHtmlCode() {
  std::string code = RowOpening() + "\t\t<div class=\"checkbox\">\r\n";
  for (const auto& item : F().Items) {
    TBootstrapSimpleCheckbox itemGenerator(*item, Ctx);
    itemGenerator.UseFieldClass = UseFieldClass;
    code += "\t\t\t<label>\r\n\t\t\t\t" + itemGenerator.GetHtmlCode() +
            "\t\t\t</label>\r\n"
            "\t\t\t<br>\r\n";
  }
  code += "\t\t</div>\r\n";
  return code + RowClosing();
}

std::string TBootstrapCheckboxList::GetCheckScript() {
  return StdCheckboxListCheckScript(F(), Ctx);
}

std::string TBootstrapCheckboxList::GetCookieLoadScript() {
  return StdCheckboxListCookieLoadScript(F(), Ctx);
}

std::string TBootstrapCheckboxList::GetCookieSaveScript() {
  return StdCheckboxListCookieSaveScript(F(), Ctx);
}

#include "BootstrapFileUpload.h"

#include "StandardScripts.h"

std::string TBootstrapFileUpload::GetHtmlCode() {
  return RowOpening() + "\t\t<input id=\"" + Field.Name + "\" name=\"" + Field.Name +
         "\" class=\"input-file form-control\" type=\"file\">\r\n" + GetHelpBlock() + RowClosing();
}

std::string TBootstrapFileUpload::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

#include "StandardFileUpload.h"

#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uFileUploadClass.h"

std::string TStandardFileUpload::GetHtmlCode() {
  const auto& f = static_cast<const TFileField&>(Field);
  // A file input carries no preset value: its value attribute stays empty.
  return StdRowOpening(f.Beschriftung) + "<input type=\"file\" name=\"" + f.Name +
         "\" value=\"\" size=\"" + f.Groesse + "\"" + StdFieldClass(UseFieldClass) + "> " +
         f.BeschriftungNach + "</td></tr>" + kCRLF;
}

std::string TStandardFileUpload::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

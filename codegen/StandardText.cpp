#include "StandardText.h"

#include "StandardMarkup.h"

std::string TStandardTexts::GetHtmlCode() {
  return "<tr>" + std::string(kCRLF) +
         "<td colspan=\"2\" align=\"left\" height=\"40px\" valign=\"bottom\">" +
         Field.Beschriftung + "</td>" + kCRLF + "</tr>" + kCRLF;
}

std::string TStandardTexts::GetCheckScript() {
  return "";
}

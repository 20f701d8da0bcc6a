#include "BootstrapGenerator.h"

#include "HtmlTools.h"

std::string TBootstrapGenerator::GetHelpBlock() const {
  if (Field.BeschriftungNach.empty()) return "";
  return "<p class=\"help-block\">" + Field.BeschriftungNach + "</p>\r\n";
}

std::string TBootstrapGenerator::RowOpening() const {
  return "<div class=\"row\">\r\n"
         "\t<div class=\"col-md-2\">\r\n"
         "\t\t<label for=\"" +
         Field.Name + "\" class=\"control-label\">" + Field.Beschriftung +
         "</label>\r\n"
         "\t</div>\r\n"
         "\t<div class=\"col-md-10\">\r\n";
}

std::string TBootstrapGenerator::RowClosing() {
  return "\t</div>\r\n"
         "</div>\r\n";
}

std::string TBootstrapGenerator::TextInputLine(const std::string& type,
                                               const std::string& vorgabewert, bool vorgabeLoeschen,
                                               const std::string& maxLaenge,
                                               bool withMaxLength) const {
  std::string line = "\t\t<input type=\"" + type + "\" name=\"" + Field.Name +
                     "\" class=\"form-control\" id=\"" + Field.Name + "\" " +
                     ValueAttr(vorgabeLoeschen, vorgabewert);
  if (withMaxLength && !maxLaenge.empty()) line += " maxLength=\"" + maxLaenge + "\"";
  return line + ">\r\n";
}

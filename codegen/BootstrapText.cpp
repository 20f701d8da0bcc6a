#include "BootstrapText.h"

std::string TBootstrapText::GetHtmlCode() {
  return "<div class=\"row\">\r\n"
         "\t<div class=\"col-md-2\">\r\n"
         "\t\t<label class=\"control-label\"></label>\r\n"
         "\t</div>\r\n"
         "\t<div class=\"col-md-10 zwtext\">\r\n"
         "\t\t" +
         Field.Beschriftung + "\r\n" + RowClosing();
}

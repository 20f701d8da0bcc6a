#include "StandardCalendar.h"

#include "HtmlTools.h"
#include "StandardMarkup.h"
#include "StandardScripts.h"
#include "model/uCalendarClass.h"

std::string TStandardCalendar::GetHtmlCode() {
  const auto& f = static_cast<const TCalField&>(Field);
  // The single-line row without its tail (text after the field, "</td></tr>",
  // CR LF): the calendar script goes between the input and that text.
  std::string s = TStandardSingleLine::GetHtmlCode();
  s.resize(s.size() - f.BeschriftungNach.size() - 12);
  const std::string& n = f.Name;
  const std::string q = JsEscape(n);
  s += "\t<script language=\"JavaScript\" type=\"text/javascript\">" + std::string(kCRLF);
  s += "    <!--" + std::string(kCRLF);
  s += "\t    function " + n + "_Callback(date, month, year) {" + kCRLF;
  s +=
      "\t        document.forms['QZFORM']." + n + ".value = formatDate(date, month, year);" + kCRLF;
  s += "\t        " + n + "_Cal.toggleCal();" + kCRLF;
  s += "\t    }" + std::string(kCRLF);
  s += "     " + n + "_Cal = new DynCal('" + q + "_Cal', '" + q + "_Callback'," +
       std::to_string(f.StartYear) + "," + std::to_string(f.EndYear) + ");" + kCRLF;
  s += "   //-->" + std::string(kCRLF);
  s += "   </script>" + std::string(kCRLF);
  s += f.BeschriftungNach + kCRLF;
  s += "</td></tr>" + std::string(kCRLF);
  return s;
}

std::string TStandardCalendar::GetCheckScript() {
  return StdPresenceCheckScript(Field, Ctx);
}

#include "CalendarExport.h"

#include <array>
#include <string_view>

#include "codegen/HtmlTools.h"
#include "model/uCalendarClass.h"
#include "shell/QZPlatform.h"

namespace {

// Replaces every occurrence of from in text; inserted text is not searched
// again.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  std::string::size_type pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

std::string Placeholder(std::string_view name) {
  return "{#" + std::string(name) + "#}";
}

// Month and short day names, used by both calendars, in this order.
constexpr std::array<std::string_view, 19> kCommonKeys = {
    "calJan", "calFeb", "calMar", "calApr", "calMay", "calJun", "calJul",
    "calAug", "calSep", "calOkt", "calNov", "calDez", "calMo",  "calTu",
    "calWe",  "calTh",  "calFr",  "calSa",  "calSu"};

// The datepicker's further texts: long day names, button texts, short month
// names, in this order.
constexpr std::array<std::string_view, 24> kBootstrapKeys = {
    "longCalMo",   "longCalTu",   "longCalWe",   "longCalTh",      "longCalFr",    "longCalSa",
    "longCalSu",   "CalprevText", "CalnextText", "CalcurrentText", "CaltodayText", "CalcloseText",
    "CalShortJan", "CalShortFeb", "CalShortMar", "CalShortApr",    "CalShortMay",  "CalShortJun",
    "CalShortJul", "CalShortAug", "CalShortSep", "CalShortOkt",    "CalShortNov",  "CalShortDez"};

// Language texts go between the quotes of JavaScript strings.
void FillTexts(std::string& script, const auto& keys, const std::string& language) {
  for (std::string_view key : keys)
    ReplaceAll(script, Placeholder(key),
               JsEscape(TQZPlatform::GetText(language, std::string(key))));
}

int ValidFormat(int dateFormat) {
  return dateFormat >= 0 && dateFormat <= 4 ? dateFormat : 0;
}

std::string StandardScript(const TProject& project, const std::string& language) {
  std::string script = TQZPlatform::LoadProgramTextFile("cal/cal.js");
  FillTexts(script, kCommonKeys, language);
  ReplaceAll(script, "{#FORMMAILURL#}", JsEscape(FormmailerFolder(project.Settings.cboFormMailer)));
  ReplaceAll(script, "{#calDateFormat#}",
             CalendarDateExpression(project.Settings.CalendarDesign_cboDateFormat));
  return script;
}

std::string BootstrapScripts(const TProject& project, const std::string& language) {
  const std::string translated =
      TranslateCalendarScript(TQZPlatform::LoadProgramTextFile("cal/cal_bootstrap.js"),
                              project.Settings.CalendarDesign_cboDateFormat, language);
  std::string result;
  for (const auto& entry : project.Fields) {
    const auto* cal = dynamic_cast<const TCalField*>(entry.get());
    if (cal == nullptr) continue;
    std::string copy = translated + "\r\n";
    ReplaceAll(copy, "{#StartYear#}", std::to_string(cal->StartYear));
    ReplaceAll(copy, "{#EndYear#}", std::to_string(cal->EndYear));
    ReplaceAll(copy, "{#datepicker#}", JsEscape(cal->Name));
    result += copy;
  }
  return result;
}

}  // namespace

std::string CalendarDateExpression(int dateFormat) {
  static constexpr std::array<std::string_view, 5> kExpressions = {
      R"(day + "." + month + "." + year)", R"(day + "-" + month + "-" + year)",
      R"(month + "/" + day + "/" + year)", R"(day + "/" + month + "/" + year)",
      R"(year + "-" + month + "-" + day)"};
  return std::string(kExpressions[ValidFormat(dateFormat)]);
}

std::string CalendarDatepickerFormat(int dateFormat) {
  static constexpr std::array<std::string_view, 5> kFormats = {"dd.mm.yy", "dd-mm-yy", "mm/dd/yy",
                                                               "dd/mm/yy", "yy-mm-dd"};
  return std::string(kFormats[ValidFormat(dateFormat)]);
}

std::string GetCalendarCSS(int layout, const TCalendarDesign& design) {
  std::string css =
      TQZPlatform::LoadProgramTextFile(layout == 1 ? "cal/cal_bootstrap.css" : "cal/cal.css");
  ReplaceAll(css, "{#cboFont#}", design.cboFont);
  ReplaceAll(css, "{#edtFontSize#}", design.edtFontSize);
  ReplaceAll(css, "{#edtTextColorHeader#}", design.edtTextColorHeader);
  ReplaceAll(css, "{#edtBGColorHeader#}", design.edtBGColorHeader);
  ReplaceAll(css, "{#edtTextColor#}", design.edtTextColor);
  ReplaceAll(css, "{#edtBGColorDay#}", design.edtBGColorDay);
  ReplaceAll(css, "{#edtBGColorCal#}", design.edtBGColorCal);
  ReplaceAll(css, "{#edtBorderSize#}", design.edtBorderSize);
  ReplaceAll(css, "{#edtBorderType#}", design.edtBorderType);
  ReplaceAll(css, "{#edtBorderColor#}", design.edtBorderColor);
  return css;
}

std::string TranslateCalendarScript(const std::string& script, int dateFormat,
                                    const std::string& language) {
  std::string result = script;
  FillTexts(result, kCommonKeys, language);
  FillTexts(result, kBootstrapKeys, language);
  ReplaceAll(result, "{#calDateFormat#}", CalendarDatepickerFormat(dateFormat));
  return result;
}

std::string InsertCalendarScript(int layout, const std::string& page, const TProject& project,
                                 const std::string& language) {
  const std::string script =
      layout == 1 ? BootstrapScripts(project, language) : StandardScript(project, language);
  std::string result = page;
  ReplaceAll(result, "<!-- JSCAL -->", script);
  return result;
}

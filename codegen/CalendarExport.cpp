#include "CalendarExport.h"

#include <array>
#include <string_view>

#include "codegen/HtmlTools.h"
#include "model/uCalendarClass.h"
#include "shell/QZPlatform.h"

namespace {

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
    script = StringReplaceAll(script, Placeholder(key),
                              JsEscape(TQZPlatform::GetText(language, std::string(key))));
}

int ValidFormat(int dateFormat) {
  return dateFormat >= 0 && dateFormat <= 4 ? dateFormat : 0;
}

std::string StandardScript(const TProject& project, const std::string& language) {
  std::string script = TQZPlatform::LoadProgramTextFile("cal/cal.js");
  FillTexts(script, kCommonKeys, language);
  script = StringReplaceAll(script, "{#FORMMAILURL#}",
                            JsEscape(FormmailerFolder(project.Settings.cboFormMailer)));
  script = StringReplaceAll(script, "{#calDateFormat#}",
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
    copy = StringReplaceAll(copy, "{#StartYear#}", std::to_string(cal->StartYear));
    copy = StringReplaceAll(copy, "{#EndYear#}", std::to_string(cal->EndYear));
    copy = StringReplaceAll(copy, "{#datepicker#}", JsEscape(cal->Name));
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
  css = StringReplaceAll(css, "{#cboFont#}", design.cboFont);
  css = StringReplaceAll(css, "{#edtFontSize#}", design.edtFontSize);
  css = StringReplaceAll(css, "{#edtTextColorHeader#}", design.edtTextColorHeader);
  css = StringReplaceAll(css, "{#edtBGColorHeader#}", design.edtBGColorHeader);
  css = StringReplaceAll(css, "{#edtTextColor#}", design.edtTextColor);
  css = StringReplaceAll(css, "{#edtBGColorDay#}", design.edtBGColorDay);
  css = StringReplaceAll(css, "{#edtBGColorCal#}", design.edtBGColorCal);
  css = StringReplaceAll(css, "{#edtBorderSize#}", design.edtBorderSize);
  css = StringReplaceAll(css, "{#edtBorderType#}", design.edtBorderType);
  css = StringReplaceAll(css, "{#edtBorderColor#}", design.edtBorderColor);
  return css;
}

std::string TranslateCalendarScript(const std::string& script, int dateFormat,
                                    const std::string& language) {
  std::string result = script;
  FillTexts(result, kCommonKeys, language);
  FillTexts(result, kBootstrapKeys, language);
  result = StringReplaceAll(result, "{#calDateFormat#}", CalendarDatepickerFormat(dateFormat));
  return result;
}

std::string InsertCalendarScript(int layout, const std::string& page, const TProject& project,
                                 const std::string& language) {
  const std::string script =
      layout == 1 ? BootstrapScripts(project, language) : StandardScript(project, language);
  std::string result = page;
  ReplaceAllInPlace(result, "<!-- JSCAL -->", script);
  return result;
}

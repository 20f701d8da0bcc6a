#include "codegen/CalendarExport.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <vector>

#include "model/uCalendarClass.h"
#include "shell/QZPlatform.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kCommonKeys = {"calJan", "calFeb", "calMar", "calApr", "calMay",
                                              "calJun", "calJul", "calAug", "calSep", "calOkt",
                                              "calNov", "calDez", "calMo",  "calTu",  "calWe",
                                              "calTh",  "calFr",  "calSa",  "calSu"};
const std::vector<std::string> kBootstrapOnlyKeys = {
    "longCalMo",   "longCalTu",   "longCalWe",   "longCalTh",      "longCalFr",    "longCalSa",
    "longCalSu",   "CalprevText", "CalnextText", "CalcurrentText", "CaltodayText", "CalcloseText",
    "CalShortJan", "CalShortFeb", "CalShortMar", "CalShortApr",    "CalShortMay",  "CalShortJun",
    "CalShortJul", "CalShortAug", "CalShortSep", "CalShortOkt",    "CalShortNov",  "CalShortDez"};

std::vector<std::string> AllKeys() {
  std::vector<std::string> keys = kCommonKeys;
  keys.insert(keys.end(), kBootstrapOnlyKeys.begin(), kBootstrapOnlyKeys.end());
  return keys;
}

// A private installation folder with the snippet files and lang.ini a test
// writes. Every calendar text reads key + "_de" or key + "_en", unless a
// test puts its own text into lang.ini.
class CalendarExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quazel-cal-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::create_directories(dir_ / "cal");
    TQZPlatform::SetProgramDir(dir_.string());
    WriteLang({});
  }
  void TearDown() override {
    TQZPlatform::SetProgramDir("");
    fs::remove_all(dir_);
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  // overrides: English texts that replace the generated ones.
  void WriteLang(const std::map<std::string, std::string>& overrides) {
    std::string ini;
    for (const char* section : {"Deutsch", "English"}) {
      const std::string suffix = std::string(section) == "Deutsch" ? "_de" : "_en";
      ini += "[" + std::string(section) + "]\n";
      for (const auto& key : AllKeys()) {
        auto it = overrides.find(key);
        ini += key + "=" + (suffix == "_en" && it != overrides.end() ? it->second : key + suffix) +
               "\n";
      }
    }
    Write("lang.ini", ini);
  }

  static std::unique_ptr<TCalField> Cal(const std::string& name, int startYear, int endYear) {
    auto field = std::make_unique<TCalField>();
    field->Name = name;
    field->StartYear = startYear;
    field->EndYear = endYear;
    return field;
  }

  fs::path dir_;
  TProject project_;
};

TEST_F(CalendarExportTest, StandardScriptIsOneCopyWithTextsFolderAndFormat) {
  Write("cal/cal.js",
        "var months = [\"{#calJan#}\", \"{#calDez#}\"];\n"
        "var days = [\"{#calMo#}\", \"{#calSu#}\"];\n"
        "var folder = \"{#FORMMAILURL#}\";\n"
        "function formatDate(day, month, year) { return {#calDateFormat#}; }\n"
        "var kept = \"{#datepicker#} {#StartYear#} {#longCalMo#} {#CalShortJan#}\";\n");
  project_.Settings.cboFormMailer = "https://example.org/cgi-bin/formmail.php";
  project_.Settings.CalendarDesign_cboDateFormat = 2;
  project_.Fields.Add(Cal("from", 2000, 2010));
  project_.Fields.Add(Cal("to", 1990, 2030));
  const std::string page = "<head>\r\n<!-- JSCAL -->\r\n</head>\r\n";

  struct Case {
    std::string language, suffix;
  };
  for (const Case& c : {Case{"Deutsch", "_de"}, Case{"English", "_en"}}) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(
        InsertCalendarScript(0, page, project_, c.language),
        "<head>\r\n"
        "var months = [\"calJan" +
            c.suffix + "\", \"calDez" + c.suffix +
            "\"];\r\n"
            "var days = [\"calMo" +
            c.suffix + "\", \"calSu" + c.suffix +
            "\"];\r\n"
            "var folder = \"https://example.org/cgi-bin/\";\r\n"
            "function formatDate(day, month, year) { return month + \"/\" + day + \"/\" + year; "
            "}\r\n"
            "var kept = \"{#datepicker#} {#StartYear#} {#longCalMo#} {#CalShortJan#}\";\r\n"
            "\r\n"
            "</head>\r\n");
  }
}

TEST_F(CalendarExportTest, BootstrapScriptIsOneCopyPerDateFieldInFormOrder) {
  std::string allKeys;
  for (const auto& key : AllKeys()) allKeys += "{#" + key + "#}|";
  Write("cal/cal_bootstrap.js",
        "$(\"#{#datepicker#}\").datepicker({ yearRange: \"{#StartYear#}:{#EndYear#}\", dateFormat: "
        "\"{#calDateFormat#}\" });\n"
        "var folder = \"{#FORMMAILURL#}\";\n" +
            allKeys + "\n");
  project_.Settings.cboFormMailer = "https://example.org/formmail.php";
  project_.Settings.CalendarDesign_cboDateFormat = 4;
  project_.Fields.Add(Cal("arrival", 2020, 2030));
  auto plain = std::make_unique<TEinzField>();
  plain->Name = "name";
  project_.Fields.Add(std::move(plain));
  project_.Fields.Add(Cal("departure", 2021, 2031));

  std::string texts;
  for (const auto& key : AllKeys()) texts += key + "_en|";
  auto copy = [&](const std::string& name, const std::string& years) {
    return "$(\"#" + name + "\").datepicker({ yearRange: \"" + years +
           "\", dateFormat: \"yy-mm-dd\" });\r\n"
           "var folder = \"{#FORMMAILURL#}\";\r\n" +
           texts + "\r\n\r\n";
  };
  EXPECT_EQ(InsertCalendarScript(1, "<!-- JSCAL -->|<!-- JSCAL -->", project_, "English"),
            copy("arrival", "2020:2030") + copy("departure", "2021:2031") + "|" +
                copy("arrival", "2020:2030") + copy("departure", "2021:2031"));
}

TEST_F(CalendarExportTest, EveryDateFormatInBothLayouts) {
  Write("cal/cal.js", "{#calDateFormat#}\n");
  Write("cal/cal_bootstrap.js", "{#calDateFormat#}\n");
  project_.Fields.Add(Cal("date", 2000, 2001));
  struct Case {
    int index;
    std::string standard, bootstrap;
  };
  const Case cases[] = {
      {0, R"(day + "." + month + "." + year)", "dd.mm.yy"},
      {1, R"(day + "-" + month + "-" + year)", "dd-mm-yy"},
      {2, R"(month + "/" + day + "/" + year)", "mm/dd/yy"},
      {3, R"(day + "/" + month + "/" + year)", "dd/mm/yy"},
      {4, R"(year + "-" + month + "-" + day)", "yy-mm-dd"},
      // Anything outside the list counts as the first format.
      {5, R"(day + "." + month + "." + year)", "dd.mm.yy"},
      {-1, R"(day + "." + month + "." + year)", "dd.mm.yy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    project_.Settings.CalendarDesign_cboDateFormat = c.index;
    EXPECT_EQ(InsertCalendarScript(0, "<!-- JSCAL -->", project_, "Deutsch"), c.standard + "\r\n");
    EXPECT_EQ(InsertCalendarScript(1, "<!-- JSCAL -->", project_, "Deutsch"),
              c.bootstrap + "\r\n\r\n");
  }
}

// Texts that would end the JavaScript string show as typed instead.
TEST_F(CalendarExportTest, TextsAndFieldNamesAreEscapedForScriptStrings) {
  WriteLang({{"calJan", R"(Ja"n\uar')"}, {"CalcloseText", "</script>"}});
  Write("cal/cal.js", "var m = \"{#calJan#}\";\n");
  Write("cal/cal_bootstrap.js",
        "var f = \"{#datepicker#}\", m = \"{#calJan#}\", c = \"{#CalcloseText#}\";\n");
  project_.Settings.cboFormMailer = "https://example.org/formmail.php";
  project_.Fields.Add(Cal(R"(a"b)", 2000, 2001));

  EXPECT_EQ(InsertCalendarScript(0, "<!-- JSCAL -->", project_, "English"),
            "var m = \"Ja\\\"n\\\\uar\\'\";\r\n");
  EXPECT_EQ(InsertCalendarScript(1, "<!-- JSCAL -->", project_, "English"),
            "var f = \"a\\\"b\", m = \"Ja\\\"n\\\\uar\\'\", c = \"<\\/script>\";\r\n\r\n");
}

TEST_F(CalendarExportTest, StyleRulesTakeTheDesignValuesBare) {
  const std::string rules =
      ".cal { font-family: {#cboFont#}; font-size: {#edtFontSize#}pt; color: #{#edtTextColor#}; }\n"
      ".head { color: #{#edtTextColorHeader#}; background: #{#edtBGColorHeader#}; }\n"
      ".day { background: #{#edtBGColorDay#}; } .box { background: #{#edtBGColorCal#}; }\n"
      ".box { border: {#edtBorderSize#}px {#edtBorderType#} #{#edtBorderColor#}; }\n";
  Write("cal/cal.css", "/* standard */\n" + rules);
  Write("cal/cal_bootstrap.css", "/* bootstrap */\n" + rules);
  TCalendarDesign design;
  design.cboFont = "Verdana,Arial,Geneva";
  design.edtFontSize = "12";
  design.edtTextColor = "111111";
  design.edtBGColorDay = "222222";
  design.edtBGColorHeader = "333333";
  design.edtTextColorHeader = "444444";
  design.edtBGColorCal = "555555";
  design.edtBorderSize = "2";
  design.edtBorderType = "dashed";
  design.edtBorderColor = "666666";
  const std::string filled =
      ".cal { font-family: Verdana,Arial,Geneva; font-size: 12pt; color: #111111; }\r\n"
      ".head { color: #444444; background: #333333; }\r\n"
      ".day { background: #222222; } .box { background: #555555; }\r\n"
      ".box { border: 2px dashed #666666; }\r\n";
  EXPECT_EQ(GetCalendarCSS(0, design), "/* standard */\r\n" + filled);
  EXPECT_EQ(GetCalendarCSS(1, design), "/* bootstrap */\r\n" + filled);
}

TEST_F(CalendarExportTest, MissingSnippetFileStopsTheGeneration) {
  project_.Fields.Add(Cal("date", 2000, 2001));
  for (int layout : {0, 1}) {
    SCOPED_TRACE(layout);
    EXPECT_THROW(GetCalendarCSS(layout, TCalendarDesign{}), EInOutError);
    EXPECT_THROW(InsertCalendarScript(layout, "<!-- JSCAL -->", project_, "Deutsch"), EInOutError);
  }
}

// The shipped snippets hold exactly the placeholders the code fills (so a
// misspelt one cannot slip through), apart from "{#FORMMAILURL#}", which the
// standard calendar does not need.
TEST(ShippedCalendarFiles, HoldExactlyTheFilledPlaceholders) {
  TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
  const std::set<std::string> design = {
      "cboFont",       "edtFontSize",   "edtTextColorHeader", "edtBGColorHeader", "edtTextColor",
      "edtBGColorDay", "edtBGColorCal", "edtBorderSize",      "edtBorderType",    "edtBorderColor"};
  std::set<std::string> standardScript(kCommonKeys.begin(), kCommonKeys.end());
  standardScript.insert("calDateFormat");
  std::set<std::string> bootstrapScript = standardScript;
  bootstrapScript.insert(kBootstrapOnlyKeys.begin(), kBootstrapOnlyKeys.end());
  bootstrapScript.insert({"StartYear", "EndYear", "datepicker"});

  const std::pair<std::string, std::set<std::string>> files[] = {
      {"cal/cal.css", design},
      {"cal/cal_bootstrap.css", design},
      {"cal/cal.js", standardScript},
      {"cal/cal_bootstrap.js", bootstrapScript},
  };
  const std::regex placeholder(R"(\{#([^#{}]*)#?\})");
  for (const auto& [file, expected] : files) {
    SCOPED_TRACE(file);
    const std::string text = TQZPlatform::LoadProgramTextFile(file);
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
      found.insert((*it)[1]);
    EXPECT_EQ(found, expected);
  }
  TQZPlatform::SetProgramDir("");
}

}  // namespace

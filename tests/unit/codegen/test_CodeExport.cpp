// The shared page sequence of the exporters: every marker, the order of the
// steps, the removed blocks, the recipient inputs, the error pages, the form
// number and the field pass.

#include "codegen/uCodeExport.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "codegen/HtmlTools.h"
#include "model/uCalendarClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uMultiLineClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"
#include "shell/Base64.h"
#include "shell/QZPlatform.h"

#include "CodegenTestSupport.h"

using namespace codegentest;

namespace {

namespace fs = std::filesystem;

// Undoes the scrambling the formmailer undoes.
std::string Unscramble(const std::string& text) {
  std::string bytes = Base64Decode(text);
  for (char& c : bytes) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
  return bytes;
}

// An exporter with a fixed template and recognisable layout pieces, so that
// only the shared sequence is under test.
class TProbeExport : public TCodeExport {
 public:
  TProbeExport(const TProject& project, const TExportOptions& options, std::string pageTemplate)
      : TCodeExport(project, options, 0), template_(std::move(pageTemplate)) {}

  std::string GetCode() override { return Generate("probe.htm"); }
  std::string GetCalendarCSS(const TCalendarDesign&) override { return "[calendar css]"; }
  std::string GetCSS() override { return "[css]"; }
  std::string GetCaptcha() override { return "[captcha]"; }
  std::string GetTemplate(const std::string&) override { return template_; }
  std::string InsertCalendarScript(const std::string& page) override {
    return StringReplaceAll(page, "<!-- JSCAL -->", "[calendar script]");
  }
  using TCodeExport::RunFieldPass;

 private:
  std::string template_;
};

class CodeExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
    TQZPlatform::SetServices(std::make_shared<SilentServices>());
    options.FormId = 4711;
  }
  void TearDown() override {
    TQZPlatform::SetProgramDir("");
    TQZPlatform::SetServices(nullptr);
  }

  std::string Run(const std::string& pageTemplate) {
    TProbeExport exporter(project, options, pageTemplate);
    return exporter.GetCode();
  }

  template <class T>
  T& Add(const std::string& name) {
    auto field = std::make_unique<T>();
    field->Name = name;
    T& ref = *field;
    project.Fields.Add(std::move(field));
    return ref;
  }

  TProject project;
  TExportOptions options;
};

TEST_F(CodeExportTest, EverySharedMarkerIsFilled) {
  TProjectSettings& s = project.Settings;
  s.edtTitel = "Kontakt";
  s.edtFormTitel = "Schreiben Sie uns";
  s.cboTarget = "_blank";
  s.edtDanke = "https://x.de/danke.htm";
  s.edtBetreff = "Anfrage";
  s.kopie_absender = true;
  s.ip_informationen = false;
  s.hide_empty_fields = true;
  s.encoding = "utf-8";
  s.cbCryptAddr = false;
  s.edtEMail = "a@b.de";
  s.edtEMail1 = "c@d.de";
  s.edtEMail2 = "";
  s.memoMailtext = "Hallo\r\n{#Name#}";
  s.cboMailFormat = "plain";
  s.chkAbsender = true;
  s.edtTabWidth = "500px";
  s.cboTabAusrichtung = 1;
  s.memoEinleitung = "Zeile 1\r\nZeile 2";
  s.memoTextEnde = "Danke.";
  s.IPErrorPage = "https://x.de/ip.htm";

  const std::string page = Run(Lines({
      "<!-- VERSION -->",
      "<!-- CSS -->",
      "[<!-- JSCRIPT2 -->]",
      "[<!-- SETCOOKIEVALUES -->]",
      "[<!-- SETCOOKIES -->]",
      "<!-- FORMID -->",
      "<!-- SETTINGS -->",
      "<!-- TITLE -->",
      "<!--TARGET-->",
      "<!-- DANKE -->",
      "<!-- SUBJECT -->",
      "<!-- COPYFIELDS --> <!-- IP --> <!-- HIDEEMPTYFIELDS -->",
      "<!-- ENCODING -->",
      "<!-- CRYPTMAIL -->",
      "<!-- ADMIN -->|<!-- ADMIN1 -->|<!-- ADMIN2 -->",
      "<!-- EINLEITTEXT -->",
      "<!-- TYPEMAIL -->",
      "<!-- RETURNTOSENDER -->",
      "<!-- BEITE --> <!-- AUSRICHTUNG -->",
      "<!-- FORMTITLE -->",
      "<!-- EINLEITUNGTEXT -->",
      "<!-- TEXTENDE -->",
      "<!-- JSCAL -->",
      "<!-- JSCAPTCHAREFRESH -->",
      "<!-- ERRORPAGES -->",
      "<!-- CAPTCHA --> <!-- FIELDS --> <!-- FORMMAIL -->",
  }));

  EXPECT_EQ(page, Lines({
                      "3.2.6",
                      "[css]",
                      "[]",
                      "[]",
                      "[]",
                      "4711",
                      "PDs2KT8=",
                      "Kontakt",
                      "_blank",
                      "https://x.de/danke.htm",
                      "Anfrage",
                      "-1 0 -1",
                      "utf-8",
                      "0",
                      "a@b.de|c@d.de|",
                      "Ejs2NjV5OCh5IXkUOzc/eSc=",
                      "plain",
                      "<input type=\"hidden\" name=\"ReturnToSender\" value=\"-1\">",
                      "",
                      "500px right",
                      "Schreiben Sie uns",
                      "Zeile 1",
                      "Zeile 2",
                      "Danke.",
                      // No calendar field, captcha off: both markers stay.
                      "<!-- JSCAL -->",
                      "<!-- JSCAPTCHAREFRESH -->",
                      "  <input type=\"hidden\" name=\"settings_error_iplock\" "
                      "value=\"aHR0cHM6Ly94LmRlL2lwLmh0bQ==\">",
                      "",
                      // The layout's own markers are left to the layout.
                      "<!-- CAPTCHA --> <!-- FIELDS --> <!-- FORMMAIL -->",
                  }));
  EXPECT_EQ(Unscramble("Ejs2NjV5OCh5IXkUOzc/eSc="), "Hallo#br#{#Name#}");
}

TEST_F(CodeExportTest, ScramblesRecipientsOnlyWhenAsked) {
  project.Settings.edtEMail = "a@b.de";
  project.Settings.edtEMail2 = "c@d.de";
  project.Settings.chkCaptcha = false;

  project.Settings.cbCryptAddr = true;
  EXPECT_EQ(Run("<!-- CRYPTMAIL -->|<!-- ADMIN -->|<!-- ADMIN1 -->|<!-- ADMIN2 -->"),
            "1|Oxo4dD4/||ORo+dD4/");

  project.Settings.cbCryptAddr = false;
  EXPECT_EQ(Run("<!-- CRYPTMAIL -->|<!-- ADMIN -->|<!-- ADMIN1 -->|<!-- ADMIN2 -->"),
            "0|a@b.de||c@d.de");
}

// A double quote in a mail value would end the hidden input's attribute and
// cut the value short for the formmailer.
TEST_F(CodeExportTest, QuotesInMailValuesStayInsideTheirAttribute) {
  project.Settings.edtBetreff = "Anfrage \"Web\"";
  project.Settings.edtDanke = "danke.htm?von=\"x\"";
  project.Settings.edtEMail = "\"Info\" <a@b.de>";
  EXPECT_EQ(Run("<input value=\"<!-- SUBJECT -->\"><input value=\"<!-- DANKE -->\">"
                "<input value=\"<!-- ADMIN -->\">"),
            "<input value=\"Anfrage &quot;Web&quot;\"><input value=\"danke.htm?von=&quot;x&quot;\">"
            "<input value=\"&quot;Info&quot; <a@b.de>\">");

  // Scrambled recipients carry no quote anyway; the formmailer unscrambles the original.
  project.Settings.cbCryptAddr = true;
  EXPECT_EQ(Unscramble(Run("<!-- ADMIN -->")), "\"Info\" <a@b.de>");
}

TEST_F(CodeExportTest, EveryOccurrenceIsReplacedCaseSensitively) {
  project.Settings.edtTitel = "T";
  EXPECT_EQ(Run("<!-- TITLE --><!-- TITLE -->|<!-- title -->|<!--TITLE-->"),
            "TT|<!-- title -->|<!--TITLE-->");
}

// A value that carries a marker: later steps fill it, earlier steps have
// already run.
TEST_F(CodeExportTest, LaterStepsActOnInsertedText) {
  struct Case {
    const char* what;
    std::string TProjectSettings::*setting;
    const char* marker;
    const char* value;
    const char* expected;
  };
  const Case cases[] = {
      {"title brings the subject", &TProjectSettings::edtTitel, "<!-- TITLE -->",
       "x <!-- SUBJECT -->", "x Betreff"},
      {"subject brings the title", &TProjectSettings::edtBetreff, "<!-- SUBJECT -->",
       "x <!-- TITLE -->", "x <!-- TITLE -->"},
      {"width brings the heading", &TProjectSettings::edtTabWidth, "<!-- BEITE -->",
       "<!-- FORMTITLE -->", "Kopf"},
      {"closing text brings the error pages", &TProjectSettings::memoTextEnde, "<!-- TEXTENDE -->",
       "[<!-- ERRORPAGES -->]", "[]"},
      {"heading brings the width", &TProjectSettings::edtFormTitel, "<!-- FORMTITLE -->",
       "<!-- BEITE -->", "<!-- BEITE -->"},
  };
  for (const Case& c : cases) {
    TProject fresh;
    project.Settings = fresh.Settings;
    project.Settings.edtBetreff = "Betreff";
    project.Settings.edtTitel = "Titel";
    project.Settings.edtFormTitel = "Kopf";
    project.Settings.*c.setting = c.value;
    EXPECT_EQ(Run(c.marker), c.expected) << c.what;
  }
}

TEST_F(CodeExportTest, FieldMarkupIsFilledBeforeTheFormmailerAddressButAfterTheSubject) {
  project.Settings.edtBetreff = "Betreff";
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  project.Settings.HtmlTemplate = "<!-- FIELDS -->";
  auto& text = Add<TZwField>("zw");
  text.Beschriftung = "[<!-- FORMMAIL -->][<!-- SUBJECT -->]";

  const std::string page = TExportFactory::BuildCode(0, project, options);
  EXPECT_NE(page.find("[https://x.de/formmail.php][<!-- SUBJECT -->]"), std::string::npos) << page;
}

TEST_F(CodeExportTest, HeadingAndIntroductionBlocksGoWithTheirTexts) {
  const std::string pageTemplate =
      "a<!-- FORMTITLE_BEGIN -->[<!-- FORMTITLE -->]<!-- FORMTITLE_END -->"
      "b<!-- EINLEITUNGTEXT_BEGIN -->[<!-- EINLEITUNGTEXT -->]<!-- EINLEITUNGTEXT_END -->c";
  struct Case {
    const char* heading;
    const char* intro;
    const char* title;
    const char* expected;
  };
  const Case cases[] = {
      {"", "", "Titel", "abc"},
      {"Kopf", "", "", "a<!-- FORMTITLE_BEGIN -->[Kopf]<!-- FORMTITLE_END -->bc"},
      {"", "Intro", "", "ab<!-- EINLEITUNGTEXT_BEGIN -->[Intro]<!-- EINLEITUNGTEXT_END -->c"},
  };
  for (const Case& c : cases) {
    project.Settings.edtFormTitel = c.heading;
    project.Settings.memoEinleitung = c.intro;
    project.Settings.edtTitel = c.title;
    EXPECT_EQ(Run(pageTemplate), c.expected) << c.heading << "/" << c.intro;
  }
}

TEST(RemoveBlock, RemovesTheFirstWellFormedBlockOnly) {
  struct Case {
    const char* page;
    const char* expected;
  };
  const Case cases[] = {
      {"a<!-- X_BEGIN -->b<!-- X_END -->c<!-- X_BEGIN -->d<!-- X_END -->e",
       "ac<!-- X_BEGIN -->d<!-- X_END -->e"},
      {"a<!-- X_BEGIN -->b", "a<!-- X_BEGIN -->b"},
      {"a<!-- X_END -->b", "a<!-- X_END -->b"},
      {"a<!-- X_END -->b<!-- X_BEGIN -->c", "a<!-- X_END -->b<!-- X_BEGIN -->c"},
      {"a<!-- Y_BEGIN -->b<!-- Y_END -->c", "a<!-- Y_BEGIN -->b<!-- Y_END -->c"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TCodeExport::RemoveBlock("X", c.page), c.expected) << c.page;
}

TEST_F(CodeExportTest, RecipientFieldsReplaceTheirHiddenInputs) {
  const std::string pageTemplate = Lines({
      R"(<input type="hidden" name="admin" value="<!-- ADMIN -->">)",
      R"(<input type="hidden" name="admin1" value="<!-- ADMIN1 -->">)",
      R"(<input type="hidden" name="admin2" value="<!-- ADMIN2 -->">)",
  });
  project.Settings.edtEMail = "a@b.de";
  project.Settings.edtEMail1 = "c@d.de";

  // No recipient fields: all three stay.
  EXPECT_EQ(Run(pageTemplate), Lines({
                                   R"(<input type="hidden" name="admin" value="a@b.de">)",
                                   R"(<input type="hidden" name="admin1" value="c@d.de">)",
                                   R"(<input type="hidden" name="admin2" value="">)",
                               }));

  // "Admin" differs in case, a list item does not count, "admin" removes only its own.
  Add<TEinzField>("Admin");
  auto& list = Add<TCheckBoxList>("liste");
  auto item = std::make_unique<TCheckBoxFieldSimple>();
  item->Name = "admin1";
  list.Items.push_back(std::move(item));
  Add<TDropDownField>("admin");
  EXPECT_EQ(Run(pageTemplate), Lines({
                                   "",
                                   R"(<input type="hidden" name="admin1" value="c@d.de">)",
                                   R"(<input type="hidden" name="admin2" value="">)",
                               }));

  // A template without the inputs is left alone.
  EXPECT_EQ(Run("<p>admin</p>"), "<p>admin</p>");
}

TEST_F(CodeExportTest, ErrorPagesAreHiddenBase64Inputs) {
  struct Case {
    const char* ip;
    const char* file;
    const char* captcha;
    std::string expected;
  };
  const Case cases[] = {
      {"", "", "", ""},
      {"", "", "https://x.de/cap.htm",
       Lines({R"(  <input type="hidden" name="settings_error_captcha" )"
              R"(value="aHR0cHM6Ly94LmRlL2NhcC5odG0=">)"})},
      {"https://x.de/ip.htm", "f", "https://x.de/cap.htm",
       Lines({R"(  <input type="hidden" name="settings_error_iplock" )"
              R"(value="aHR0cHM6Ly94LmRlL2lwLmh0bQ==">)",
              R"(  <input type="hidden" name="settings_error_fileerror" value="Zg==">)",
              R"(  <input type="hidden" name="settings_error_captcha" )"
              R"(value="aHR0cHM6Ly94LmRlL2NhcC5odG0=">)"})},
  };
  for (const Case& c : cases) {
    project.Settings.IPErrorPage = c.ip;
    project.Settings.FileErrorPage = c.file;
    project.Settings.CaptchaErrorPage = c.captcha;
    EXPECT_EQ(Run("<!-- ERRORPAGES -->"), c.expected);
  }
}

TEST_F(CodeExportTest, CaptchaOnFillsTheSwitchAndTheRefreshScriptWithTheFormNumber) {
  project.Settings.chkCaptcha = true;
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  const std::string page = Run("<!-- SETTINGS -->|<!-- JSCAPTCHAREFRESH -->|<!-- CAPTCHA -->");

  EXPECT_EQ(page.substr(0, page.find('|')), "LigvPw==");
  EXPECT_EQ(page.find("<!-- JSCAPTCHAREFRESH -->"), std::string::npos);
  EXPECT_NE(page.find("https://x.de/formmail.php?action=captcha&id=4711"), std::string::npos)
      << page;
  // The block itself belongs to the layout.
  EXPECT_NE(page.find("|<!-- CAPTCHA -->"), std::string::npos);
}

TEST_F(CodeExportTest, CalendarScriptOnlyWithACalendarField) {
  EXPECT_EQ(Run("<!-- JSCAL -->"), "<!-- JSCAL -->");
  Add<TCalField>("datum");
  EXPECT_EQ(Run("<!-- JSCAL -->"), "[calendar script]");
}

TEST_F(CodeExportTest, AlignmentWithoutASelectionKeepsItsMarker) {
  const std::pair<int, const char*> cases[] = {
      {0, "center"}, {1, "right"}, {2, "left"}, {-1, "<!-- AUSRICHTUNG -->"}};
  for (const auto& [index, expected] : cases) {
    project.Settings.cboTabAusrichtung = index;
    EXPECT_EQ(Run("<!-- AUSRICHTUNG -->"), expected) << index;
  }
}

TEST_F(CodeExportTest, FormNumberIsFixedByTheOptionsAndRandomOtherwise) {
  options.FormId = 0;
  EXPECT_EQ(Run("<!-- FORMID -->"), "0");
  options.FormId = 9999999;
  EXPECT_EQ(Run("id=<!-- FORMID -->"), "id=9999999");

  options.FormId.reset();
  for (int i = 0; i < 20; ++i) {
    TProbeExport exporter(project, options, "<!-- FORMID -->");
    const std::string page = exporter.GetCode();
    EXPECT_EQ(page, exporter.FormId);
    ASSERT_FALSE(page.empty());
    EXPECT_LE(page.size(), 7u);
    EXPECT_EQ(page.find_first_not_of("0123456789"), std::string::npos) << page;
    EXPECT_TRUE(page == "0" || page[0] != '0') << page;
  }
}

TEST_F(CodeExportTest, EmptyProjectGivesNoMarkupAndTheBareCheckFunction) {
  TProbeExport exporter(project, options, "");
  const auto pass = exporter.RunFieldPass(false);
  EXPECT_EQ(pass.Markup, "");
  EXPECT_EQ(pass.Script, Lines({
                             "<script type=\"text/javascript\">",
                             "<!--",
                             "function chkFormular()",
                             "{",
                             " return(true); }",
                             "//-->",
                             "</script>",
                         }));
}

// Checks come from mandatory fields and every check-box list; cookie scripts
// from remembering fields and every check-box list; counters from every
// multi-line field; all in form order.
TEST_F(CodeExportTest, FieldScriptsComeFromTheFieldsThatAskForThem) {
  auto& name = Add<TEinzField>("name");
  name.Pflicht = true;
  name.Cookie = true;
  auto& plain = Add<TEinzField>("plain");
  plain.Beschriftung = "Nur Text";
  auto& list = Add<TCheckBoxList>("liste");
  auto item = std::make_unique<TCheckBoxFieldSimple>();
  item->Name = "punkt";
  item->Pflicht = true;
  item->Cookie = true;
  list.Items.push_back(std::move(item));
  auto& text = Add<TMehrzField>("text");
  text.MaxLaenge = "100";
  auto& silent = Add<TMehrzField>("silent");
  silent.Cookie = false;

  const TGenContext ctx = project.Context(options.Language);
  TProbeExport exporter(project, options, "");
  const auto pass = exporter.RunFieldPass(true);
  EXPECT_EQ(pass.Script,
            "<script type=\"text/javascript\">\r\n<!--\r\nfunction chkFormular()\r\n{\r\n" +
                name.GetCheckScript(ctx) + "\r\n" + list.GetCheckScript(ctx) +
                "\r\n return(true); }\r\n//-->\r\n</script>\r\n");
  std::string markup;
  for (const auto& f : project.Fields) markup += f->GetHtmlCode(true, ctx) + "\r\n";
  EXPECT_EQ(pass.Markup, markup);
  EXPECT_NE(pass.Markup.find("class=\"field\""), std::string::npos);

  EXPECT_EQ(Run("<!-- JSCRIPT2 -->"), text.GetCounterScript(ctx) + silent.GetCounterScript(ctx));
  EXPECT_EQ(Run("<!-- SETCOOKIEVALUES -->"),
            name.GetCookieLoadScript(ctx) + list.GetCookieLoadScript(ctx));
  EXPECT_EQ(Run("<!-- SETCOOKIES -->"),
            name.GetCookieSaveScript(ctx) + list.GetCookieSaveScript(ctx));
  EXPECT_NE(Run("<!-- SETCOOKIES -->").find("punkt"), std::string::npos);
}

TEST_F(CodeExportTest, FactoryMakesNothingForAnUnknownLayout) {
  project.Settings.HtmlTemplate = "x";
  project.Settings.HtmlTemplateBootstrap = "x";
  EXPECT_EQ(TExportFactory::BuildCode(2, project, options), "");
  EXPECT_EQ(TExportFactory::BuildCode(-1, project, options), "");
}

TEST_F(CodeExportTest, MissingTemplateFileStopsTheGeneration) {
  std::string pattern = (fs::temp_directory_path() / "quazel-pipeline-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path empty = pattern;
  TQZPlatform::SetProgramDir(empty.string());
  for (int layout : {0, 1})
    EXPECT_THROW(TExportFactory::BuildCode(layout, project, options), EInOutError) << layout;
  fs::remove_all(empty);
}

}  // namespace

// Input no dialog would check: a field without a name, a label made of
// markers, quotes and line breaks, and lists of thousands of entries. Both
// layouts still produce the whole page with the installed templates.
TEST_F(CodeExportTest, AwkwardFieldsStillGiveTheWholePageInBothLayouts) {
  project.Settings.cboFormMailer = "https://example.com/formmail.php";
  auto& unnamed = Add<TEinzField>("");
  unnamed.Pflicht = true;
  auto& hostile = Add<TEinzField>("hostile");
  hostile.Beschriftung = "<!-- FORMMAIL --> \"quoted\"\r\nsecond line \\ <!-- FIELDS --> </script>";
  hostile.Pflicht = true;
  hostile.Cookie = true;
  std::string items;
  for (int i = 0; i < 5000; ++i)
    items += "Entry " + std::to_string(i) + "|v" + std::to_string(i) + "#";
  auto& longList = Add<TDropDownField>("longlist");
  longList.Felder = items;
  longList.Groesse = "1";
  longList.Pflicht = true;
  auto& boxes = Add<TCheckBoxList>("boxes");
  boxes.Pflicht = true;
  for (int i = 0; i < 2000; ++i) {
    auto item = std::make_unique<TCheckBoxFieldSimple>();
    item->Name = "box" + std::to_string(i);
    item->Cookie = i % 2 == 0;
    boxes.Items.push_back(std::move(item));
  }

  for (int layout : {0, 1}) {
    SCOPED_TRACE(layout);
    const std::string page = TExportFactory::BuildCode(layout, project, options);
    EXPECT_NE(page.find("</html>"), std::string::npos);
    EXPECT_NE(page.find(">Entry 4999</option>"), std::string::npos);
    EXPECT_NE(page.find("name=\"box1999\""), std::string::npos);
    // The label reaches the markup as typed, and the marker in it is filled
    // by the later formmailer step.
    EXPECT_NE(page.find("https://example.com/formmail.php \"quoted\""), std::string::npos);
    // Inside the check script the same label cannot end the string.
    EXPECT_NE(page.find("\\\"quoted\\\"\\r\\nsecond line \\\\"), std::string::npos);
    EXPECT_EQ(page.find("alert(\"Bitte füllen Sie das Feld <!-- FORMMAIL --> \"quoted\""),
              std::string::npos);
  }
}

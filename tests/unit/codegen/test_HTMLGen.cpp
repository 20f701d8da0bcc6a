// The standard table layout: its style sheet, its buttons, the field pass,
// the captcha block and the installed page template.

#include "codegen/uHTMLGen.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <string_view>

#include "codegen/CalendarExport.h"
#include "model/uCalendarClass.h"
#include "model/uSingleLineClass.h"
#include "shell/QZPlatform.h"

#include "CodegenTestSupport.h"

using namespace codegentest;

namespace {

class HTMLGenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
    TQZPlatform::SetServices(std::make_shared<SilentServices>());
    options.FormId = 4711;
    TProjectSettings& s = project.Settings;
    s.edtHGColor = "FFFFFF";
    s.edtHeaderColor = "000080";
    s.edtTextColor = "000000";
    s.edtTabColor = "EEEEEE";
    s.cboFontHeader = "Arial,Helvetica,Geneva";
    s.edtSizeHeader = "18";
    s.cboFontForm = "Verdana";
    s.edtSizeForm = "10";
    s.cboStandardButton = true;
    s.cboStandardFeld = true;
  }
  void TearDown() override {
    TQZPlatform::SetProgramDir("");
    TQZPlatform::SetServices(nullptr);
  }

  std::string Css() { return TGenHTML(project, options).GetCSS(); }
  std::string Page(const std::string& pageTemplate) {
    project.Settings.HtmlTemplate = pageTemplate;
    return TGenHTML(project, options).GetCode();
  }

  TProject project;
  TExportOptions options;
};

TEST_F(HTMLGenTest, StyleSheetWithStandardButtonsAndFields) {
  EXPECT_EQ(Css(), Lines({
                       "<style type=\"text/css\">",
                       "<!--",
                       "body { background-color:#FFFFFF;  }",
                       "h1 { color:#000080; font-family:Arial,Helvetica,Geneva; font-size:18pt; }",
                       "p,li { color:#000000; font-family:Verdana; font-size:10pt; }",
                       "TD   { color:#000000; font-family:Verdana; font-size:10pt; }",
                       "td.my { background-color:#EEEEEE}",
                       "-->",
                       "</style>",
                   }));
}

TEST_F(HTMLGenTest, StyleSheetWithOwnButtonAndFieldDesignAndAPicture) {
  TProjectSettings& s = project.Settings;
  s.edtBGPicture = "bg.png";
  s.cboStandardButton = false;
  s.edtHintergrundButton = "C0C0C0";
  s.edtFarbeButton = "800000";
  s.cboRahmenButton = "solid";
  s.edtStaerkeButton = "2";
  s.cboStaerkeRahmen = "px";
  s.cboStandardFeld = false;
  s.edtHGFormField = "FFFFE0";
  s.edtColorFormField = "808080";
  s.edtRahmenFormField = "dotted";
  s.edtStaerkeFormField = "1";
  s.cboRahmenFormField = "mm";
  s.cboFontFormField = "Courier";
  s.edtSizeFormField = "11";
  s.cboSchriftFormEinheit = "pt";
  s.edtFontColorFormField = "101010";

  EXPECT_EQ(Css(), Lines({
                       "<style type=\"text/css\">",
                       "<!--",
                       "body { background-color:#FFFFFF; background-image:url(bg.png); }",
                       "h1 { color:#000080; font-family:Arial,Helvetica,Geneva; font-size:18pt; }",
                       "p,li { color:#000000; font-family:Verdana; font-size:10pt; }",
                       "TD   { color:#000000; font-family:Verdana; font-size:10pt; }",
                       "td.my { background-color:#EEEEEE}",
                       "input.button {background-color: #C0C0C0;border-color: #800000;",
                       "border-style:solid;",
                       "border-width:2px;",
                       "color: #800000;}",
                       ".field {background-color: #FFFFE0;",
                       "border-color: #808080;",
                       "border-style:dotted;",
                       "border-width:1mm;",
                       "font-Family:Courier;",
                       "font-Size:11pt;",
                       "color: #101010;",
                       "}",
                       "-->",
                       "</style>",
                   }));
}

TEST_F(HTMLGenTest, CalendarRulesCloseTheStyleSheetOnlyWithACalendarField) {
  const std::string without = Css();
  auto cal = std::make_unique<TCalField>();
  cal->Name = "datum";
  project.Fields.Add(std::move(cal));
  project.Settings.CalendarDesign_cboFont = "Tahoma";

  const std::string calendar = GetCalendarCSS(0, project.Settings.CalendarDesign());
  ASSERT_NE(calendar.find("Tahoma"), std::string::npos);
  const std::string end = "-->\r\n</style>\r\n";
  EXPECT_EQ(Css(), without.substr(0, without.size() - end.size()) + calendar + end);
}

TEST_F(HTMLGenTest, Buttons) {
  const std::string pageTemplate =
      "<!-- SENDBUTTON -->|<!-- RESETBUTTON -->|<!-- PRINTBUTTON -->|<b <!-- CLASS -->>";
  project.Settings.edtSendenButton = "Senden";
  project.Settings.edtCancelButton = "Zurücksetzen";
  project.Settings.edtPrint = "Drucken";
  struct Case {
    bool reset, print, standardButton;
    std::string expected;
  };
  const Case cases[] = {
      {false, false, true, "Senden|<!-- RESETBUTTON -->|<!-- PRINTBUTTON -->|<b >"},
      {true, false, false,
       "Senden|<input type=\"reset\" name=\"next\" value=\"Zurücksetzen\" class=\"button\">\r\n"
       "|<!-- PRINTBUTTON -->|<b class=\"button\">"},
      {true, true, true,
       "Senden|<input type=\"reset\" name=\"next\" value=\"Zurücksetzen\" >\r\n"
       "|<input type=\"button\" name=\"print\" value=\"Drucken\" "
       "onClick=\"javascript:window.print()\" class=\"button\">\r\n|<b >"},
  };
  for (const Case& c : cases) {
    project.Settings.chkResetButton = c.reset;
    project.Settings.chkPrintButton = c.print;
    project.Settings.cboStandardButton = c.standardButton;
    EXPECT_EQ(Page(pageTemplate), c.expected);
  }
}

TEST_F(HTMLGenTest, FieldsTakeTheFieldClassUnlessTheyKeepTheStandardDesign) {
  auto field = std::make_unique<TEinzField>();
  field->Name = "name";
  field->Beschriftung = "Name";
  field->Pflicht = true;
  project.Fields.Add(std::move(field));
  const TGenContext ctx = project.Context(options.Language);

  for (bool standardField : {true, false}) {
    project.Settings.cboStandardFeld = standardField;
    const std::string page = Page("<!-- FIELDS -->|<!-- JSCRIPT -->");
    EXPECT_EQ(page.substr(0, page.find('|')),
              project.Fields[0].GetHtmlCode(!standardField, ctx) + "\r\n");
    EXPECT_EQ(page.find("class=\"field\"") != std::string::npos, !standardField);
    EXPECT_NE(page.find("|<script type=\"text/javascript\">\r\n<!--\r\nfunction chkFormular()"),
              std::string::npos);
    EXPECT_NE(page.find(project.Fields[0].GetCheckScript(ctx)), std::string::npos);
  }
}

TEST_F(HTMLGenTest, CaptchaBlockOnlyWhenSwitchedOn) {
  project.Settings.cboFormMailer = "https://x.de/cgi/formmail.php";
  project.Settings.edtCaptchaText1 = "Spam-Schutz";
  const std::string pageTemplate = "<table>\r\n<!-- CAPTCHA --></table>|<!-- FORMMAIL -->";

  EXPECT_EQ(Page(pageTemplate),
            "<table>\r\n<!-- CAPTCHA --></table>|https://x.de/cgi/formmail.php");

  project.Settings.chkCaptcha = true;
  project.Settings.cboStandardFeld = false;
  const std::string page = Page(pageTemplate);
  EXPECT_EQ(page.find("<!-- CAPTCHA -->"), std::string::npos);
  EXPECT_NE(page.find("Spam-Schutz"), std::string::npos);
  EXPECT_NE(page.find("src=\"https://x.de/cgi/formmail.php?action=captcha&amp;id=4711\""),
            std::string::npos)
      << page;
  EXPECT_NE(page.find(" class=\"field\""), std::string::npos);
}

// The installed template: every marker is filled; only those whose option is
// off stay, as comments.
TEST_F(HTMLGenTest, InstalledTemplateLeavesOnlyTheMarkersOfOptionsThatAreOff) {
  project.Settings.edtFormTitel = "Kontakt";
  project.Settings.memoEinleitung = "Hallo";
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  project.Settings.cboTarget = "_top";
  project.Settings.edtEMail = "a@b.de";
  auto field = std::make_unique<TEinzField>();
  field->Name = "name";
  project.Fields.Add(std::move(field));

  const std::string page = Page("");
  // The block markers stay with their filled blocks.
  EXPECT_EQ(Markers(page), (std::set<std::string>{
                               "<!-- RESETBUTTON -->", "<!-- PRINTBUTTON -->", "<!-- CAPTCHA -->",
                               "<!-- JSCAL -->", "<!-- JSCAPTCHAREFRESH -->",
                               "<!-- FORMTITLE_BEGIN -->", "<!-- FORMTITLE_END -->",
                               "<!-- EINLEITUNGTEXT_BEGIN -->", "<!-- EINLEITUNGTEXT_END -->"}));
  EXPECT_NE(page.find("<form name=\"QZFORM\" id=\"QZFORM\" method=\"post\" "
                      "action=\"https://x.de/formmail.php\" target=\"_top\" "
                      "enctype=\"multipart/form-data\" "
                      "onsubmit=\"return chkFormular()\">\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("\r\n<input type=\"hidden\" name=\"admin\" value=\"a@b.de\">\r\n"),
            std::string::npos);
  EXPECT_NE(page.find("<h1>Kontakt</h1>"), std::string::npos);
  EXPECT_NE(page.find("function GetCookie(name)"), std::string::npos);
  EXPECT_NE(page.find("function str_replace(search, replace, subject)"), std::string::npos);
}

TEST_F(HTMLGenTest, InstalledTemplateCarriesTheCalendarAndCaptchaScripts) {
  project.Settings.chkCaptcha = true;
  project.Settings.chkResetButton = true;
  project.Settings.chkPrintButton = true;
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  auto cal = std::make_unique<TCalField>();
  cal->Name = "datum";
  project.Fields.Add(std::move(cal));
  EXPECT_EQ(Markers(Page("")), std::set<std::string>{});
}

}  // namespace

// The Bootstrap layout: its style rules, the button colours, its own markers,
// the grid columns and the installed page template.

#include "codegen/BootstrapExport.h"

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
#include "model/uZwFieldClass.h"
#include "shell/QZPlatform.h"

#include "CodegenTestSupport.h"

using namespace codegentest;

namespace {

const std::string kPrintGroup = Lines({
    ".btn-print:hover, .btn-print:focus, .btn-print:active, .btn-print.active {",
    "   background: #4A4A4A;",
    "\tcolor: #EEEEEE;",
    "\tborder-color: transparent;",
    "}",
    ".btn-print {",
    "\tbackground: #707070;",
    "\tcolor: #FFFFFF;",
    "\tborder-color: transparent;",
    "}",
});
const std::string kSendGroup = Lines({
    ".btn-success:hover, .btn-success:focus, .btn-success:active, .btn-success.active {",
    "   background: #00526E;",
    "\tcolor: #DDDDDD;",
    "\tborder-color: transparent;",
    "}",
    ".btn-success {",
    "\tbackground: #016080;",
    "\tcolor: #FFFFFF;",
    "\tborder-color: transparent;",
    "}",
});
const std::string kResetGroup = Lines({
    ".btn-danger:hover, .btn-danger:focus, .btn-danger:active, .btn-danger.active {",
    "   background: #8A0606;",
    "\tcolor: #CCCCCC;",
    "\tborder-color: transparent;",
    "}",
    ".btn-danger {",
    "\tbackground: #AB1313;",
    "\tcolor: #FFFFFF;",
    "\tborder-color: transparent;",
    "}",
});

class BootstrapExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
    TQZPlatform::SetServices(std::make_shared<SilentServices>());
    options.FormId = 4711;
    project.Settings.ComboFormType = 1;
    // Mouse-over text colours that differ from the normal ones, so that a mix-up shows.
    project.Settings.Bootstrap_PrintButtonFontMouseOver = "EEEEEE";
    project.Settings.Bootstrap_SendButtonFontMouseOver = "DDDDDD";
    project.Settings.Bootstrap_ResetButtonFontMouseOver = "CCCCCC";
  }
  void TearDown() override {
    TQZPlatform::SetProgramDir("");
    TQZPlatform::SetServices(nullptr);
  }

  std::string Page(const std::string& pageTemplate) {
    project.Settings.HtmlTemplateBootstrap = pageTemplate;
    return TBootstrapExport(project, options).GetCode();
  }

  TProject project;
  TExportOptions options;
};

TEST_F(BootstrapExportTest, StyleRules) {
  TProjectSettings& s = project.Settings;
  s.Bootstrap_edtHGColor = "F0F0F0";
  s.Bootstrap_edtTextColor = "333333";
  s.Bootstrap_edtHeaderColor = "000080";
  s.Bootstrap_cboFontForm = "Verdana";
  s.Bootstrap_edtSizeForm = "11";
  s.Bootstrap_cboFontHeader = "Georgia";
  s.Bootstrap_edtSizeHeader = "20";
  const std::string rules = Lines({
      "body { background-color:#F0F0F0; color:#333333; font-family: Verdana; font-size: 11pt; }",
      "h1 { color:#000080; font-family:Georgia; font-size:20pt; }",
      "p,li { color:#333333; font-family:Verdana; font-size:11pt; }",
      ".control-label { color:#333333; font-family:Verdana; font-size:11pt; }",
  });
  EXPECT_EQ(TBootstrapExport(project, options).GetCSS(), rules);

  auto cal = std::make_unique<TCalField>();
  cal->Name = "datum";
  project.Fields.Add(std::move(cal));
  EXPECT_EQ(TBootstrapExport(project, options).GetCSS(),
            rules + GetCalendarCSS(1, project.Settings.CalendarDesign()));
}

TEST_F(BootstrapExportTest, ButtonRulesForTheButtonsWithOwnColours) {
  struct Case {
    bool send, reset, print;  // keeps the standard design
    std::string expected;
  };
  const Case cases[] = {
      {true, true, true, ""},
      {true, false, true, kResetGroup},
      {false, false, false, kPrintGroup + kSendGroup + kResetGroup},
      {false, true, true, kSendGroup},
  };
  for (const Case& c : cases) {
    project.Settings.Bootstrap_CheckBoxSendButton = c.send;
    project.Settings.Bootstrap_CheckBoxResetButton = c.reset;
    project.Settings.Bootstrap_CheckBoxPrintButton = c.print;
    EXPECT_EQ(Page("<!-- BUTTONSTYLESHEET -->"), c.expected) << c.send << c.reset << c.print;
  }
}

TEST_F(BootstrapExportTest, WidthAndFieldSize) {
  const std::string pageTemplate = "<div<!-- WIDTH -->>|form-group<!-- FORMFIELDSIZE -->";
  struct Case {
    const char* width;
    int size;
    const char* expected;
  };
  const Case cases[] = {
      {"", 0, "<div>|form-group"},
      {"500px", 1, "<div style=\"width:500px\">|form-group form-group-sm"},
      {"75 %", 2, "<div style=\"width:75 %\">|form-group form-group-lg"},
      {"", -1, "<div>|form-group<!-- FORMFIELDSIZE -->"},
  };
  for (const Case& c : cases) {
    project.Settings.edtTabWidth = c.width;
    project.Settings.Bootstrap_ComboFormFieldSize = c.size;
    EXPECT_EQ(Page(pageTemplate), c.expected);
  }
}

TEST_F(BootstrapExportTest, ButtonsAndBackground) {
  const std::string pageTemplate =
      "<!-- SENDBUTTON -->|<!-- RESETBUTTON -->|<!-- PRINTBUTTON -->|"
      "#<!-- BootstrapFormFieldBackground -->|<!-- FORMMAIL -->";
  project.Settings.edtSendenButton = "Senden";
  project.Settings.edtCancelButton = "Zurücksetzen";
  project.Settings.edtPrint = "Drucken";
  project.Settings.BootstrapFormFieldBackground = "FFFFE0";
  project.Settings.cboFormMailer = "https://x.de/formmail.php";

  EXPECT_EQ(Page(pageTemplate),
            "Senden|<!-- RESETBUTTON -->|<!-- PRINTBUTTON -->|#FFFFE0|https://x.de/formmail.php");

  project.Settings.chkResetButton = true;
  project.Settings.chkPrintButton = true;
  EXPECT_EQ(Page(pageTemplate),
            "Senden|<button type=\"reset\" class=\"btn btn-danger\">Zurücksetzen</button>\r\n"
            "|<button class=\"btn btn-print\" type=\"button\" "
            "onClick=\"javascript:window.print()\">Drucken</button>\r\n"
            "|#FFFFE0|https://x.de/formmail.php");
}

TEST_F(BootstrapExportTest, GridColumnsFollowTheLabelWidth) {
  const std::string pageTemplate = "col-md-2|col-md-10|col-md-offset-2|<!-- FIELDS -->";
  auto text = std::make_unique<TZwField>();
  text->Name = "zw";
  text->Beschriftung = "Hinweis";
  project.Fields.Add(std::move(text));
  struct Case {
    int left;
    const char* head;  // the template's own classes afterwards
    const char* label;
    const char* element;
  };
  const Case cases[] = {
      {2, "col-md-2|col-md-10|col-md-offset-2|", "col-md-2", "col-md-10 zwtext"},
      {3, "col-md-3|col-md-9|col-md-offset-3|", "col-md-3", "col-md-9 zwtext"},
      {10, "col-md-10|col-md-2|col-md-offset-10|", "col-md-10", "col-md-2 zwtext"},
      // Outside 2 to 10 (a hand-edited file): the columns stay as written.
      {12, "col-md-2|col-md-10|col-md-offset-2|", "col-md-2", "col-md-10 zwtext"},
  };
  for (const Case& c : cases) {
    project.Settings.Bootstrap_SpinBoxLeftColumn = c.left;
    const std::string page = Page(pageTemplate);
    EXPECT_EQ(page.substr(0, std::string_view(c.head).size()), c.head) << c.left;
    EXPECT_NE(page.find(std::string("\t<div class=\"") + c.label + "\">\r\n"), std::string::npos)
        << page;
    EXPECT_NE(page.find(std::string("\t<div class=\"") + c.element + "\">\r\n"), std::string::npos)
        << page;
  }
}

TEST_F(BootstrapExportTest, FieldsNeverTakeTheFieldClass) {
  auto field = std::make_unique<TEinzField>();
  field->Name = "name";
  field->Pflicht = true;
  project.Fields.Add(std::move(field));
  project.Settings.cboStandardFeld = false;  // a standard-layout setting: no effect here
  const TGenContext ctx = project.Context(options.Language);

  const std::string page = Page("<!-- FIELDS -->|<!-- JSCRIPT -->");
  EXPECT_EQ(page.substr(0, page.find('|')), project.Fields[0].GetHtmlCode(false, ctx) + "\r\n");
  EXPECT_NE(page.find("<div class=\"row\">"), std::string::npos);
  EXPECT_EQ(page.find("class=\"field\""), std::string::npos);
  EXPECT_NE(page.find(project.Fields[0].GetCheckScript(ctx)), std::string::npos);
}

TEST_F(BootstrapExportTest, CaptchaBlockOnlyWhenSwitchedOn) {
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  EXPECT_EQ(Page("<!-- CAPTCHA -->"), "<!-- CAPTCHA -->");
  project.Settings.chkCaptcha = true;
  const std::string page = Page("<!-- CAPTCHA -->");
  EXPECT_NE(page.find("https://x.de/formmail.php?action=captcha&amp;id=4711"), std::string::npos)
      << page;
}

TEST_F(BootstrapExportTest, InstalledTemplate) {
  project.Settings.cboFormMailer = "https://x.de/formmail.php";
  auto field = std::make_unique<TEinzField>();
  field->Name = "name";
  project.Fields.Add(std::move(field));

  const std::string page = Page("");
  EXPECT_EQ(Markers(page), (std::set<std::string>{"<!-- RESETBUTTON -->", "<!-- PRINTBUTTON -->",
                                                  "<!-- CAPTCHA -->", "<!-- JSCAL -->",
                                                  "<!-- JSCAPTCHAREFRESH -->"}));
  for (const char* asset : {
           "https://cdn.jsdelivr.net/npm/bootstrap@3.4.1/dist/css/bootstrap.min.css",
           "https://cdn.jsdelivr.net/npm/bootstrap@3.4.1/dist/js/bootstrap.min.js",
           "https://cdn.jsdelivr.net/npm/jquery@3.7.1/dist/jquery.min.js",
           "https://cdn.jsdelivr.net/npm/jquery-ui-dist@1.13.2/jquery-ui.min.js",
           "https://cdn.jsdelivr.net/npm/jquery-ui-dist@1.13.2/jquery-ui.min.css",
       })
    EXPECT_NE(page.find(asset), std::string::npos) << asset;
  EXPECT_NE(page.find("<button type=\"submit\" class=\"btn btn-success\">"), std::string::npos);
  EXPECT_NE(page.find(".zwtext {"), std::string::npos);
  EXPECT_NE(page.find("onsubmit=\"return chkFormular()\""), std::string::npos);
  EXPECT_NE(page.find("function GetCookie(name)"), std::string::npos);

  project.Settings.chkCaptcha = true;
  project.Settings.chkResetButton = true;
  project.Settings.chkPrintButton = true;
  auto cal = std::make_unique<TCalField>();
  cal->Name = "datum";
  project.Fields.Add(std::move(cal));
  EXPECT_EQ(Markers(Page("")), std::set<std::string>{});
}

}  // namespace

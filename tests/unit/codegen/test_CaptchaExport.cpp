#include "codegen/CaptchaExport.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "shell/QZPlatform.h"

namespace fs = std::filesystem;

namespace {

// A private installation folder with the captcha snippets a test writes.
class CaptchaExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quazel-captcha-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::create_directories(dir_ / "captcha");
    TQZPlatform::SetProgramDir(dir_.string());
    project_.Settings.cboFormMailer = "https://example.org/cgi-bin/formmail.php";
    project_.Settings.edtCaptchaText1 = "<b>Spam</b>-Schutz";
  }
  void TearDown() override {
    TQZPlatform::SetProgramDir("");
    fs::remove_all(dir_);
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / "captcha" / name, std::ios::binary) << text;
  }

  fs::path dir_;
  TProject project_;
};

TEST_F(CaptchaExportTest, LinksPointToTheFormmailerWithTheFormNumber) {
  Write("captcha_html.html", "{#CAPTCHALINK#}|{#FORMMAILERPATH}\n");
  Write("captcha_refresh.js", "var link = \"{#CAPTCHALINK#}\";\n");
  struct Case {
    std::string address, formId, link, scriptLink, folder;
  };
  const Case cases[] = {
      {"https://example.org/cgi-bin/formmail.php", "4711",
       "https://example.org/cgi-bin/formmail.php?action=captcha&amp;id=4711",
       "https://example.org/cgi-bin/formmail.php?action=captcha&id=4711",
       "https://example.org/cgi-bin/"},
      // Without "formmail.php" the folder is the whole address.
      {"https://example.org/mailer.php", "0",
       "https://example.org/mailer.php?action=captcha&amp;id=0",
       "https://example.org/mailer.php?action=captcha&id=0", "https://example.org/mailer.php"},
      // Every "&amp;" of the link becomes "&" in the script; a quote cannot
      // end the script string.
      {"https://example.org/formmail.php?site=a&amp;x=\"1", "9999999",
       "https://example.org/formmail.php?site=a&amp;x=\"1?action=captcha&amp;id=9999999",
       "https://example.org/formmail.php?site=a&x=\\\"1?action=captcha&id=9999999",
       "https://example.org/?site=a&amp;x=\"1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    project_.Settings.cboFormMailer = c.address;
    EXPECT_EQ(GetCaptchaLink(project_.Settings, c.formId), c.link);
    EXPECT_EQ(GetCaptcha(0, project_, c.formId), c.link + "|" + c.folder + "\r\n");
    EXPECT_EQ(GetCaptchaRefreshScript(project_, c.formId),
              "var link = \"" + c.scriptLink + "\";\r\n");
  }
}

TEST_F(CaptchaExportTest, StandardBlockFillsCaptionLinkFolderAndFieldClass) {
  Write("captcha_html.html",
        "<tr><td class=\"my\">{#CAPTCHA_TEXT#}</td>\n"
        "<td class=\"my\"><img src=\"{#CAPTCHALINK#}\" data-folder=\"{#FORMMAILERPATH}\"><br>\n"
        "<input type=\"text\" name=\"captcha\"{#CSS#}><input type=\"hidden\"{#CSS#}></td></tr>\n");
  struct Case {
    bool standardFields;
    std::string cls;
  };
  for (const Case& c : {Case{false, " class=\"field\""}, Case{true, ""}}) {
    SCOPED_TRACE(c.standardFields);
    project_.Settings.cboStandardFeld = c.standardFields;
    EXPECT_EQ(GetCaptcha(0, project_, "4711"),
              "<tr><td class=\"my\"><b>Spam</b>-Schutz</td>\r\n"
              "<td class=\"my\"><img "
              "src=\"https://example.org/cgi-bin/formmail.php?action=captcha&amp;id=4711\" "
              "data-folder=\"https://example.org/cgi-bin/\"><br>\r\n"
              "<input type=\"text\" name=\"captcha\"" +
                  c.cls + "><input type=\"hidden\"" + c.cls + "></td></tr>\r\n");
  }
}

TEST_F(CaptchaExportTest, BootstrapBlockUsesItsOwnFileAndNoFieldClass) {
  Write("captcha_bootstrap.html",
        "<label>{#CAPTCHA_TEXT#}</label>\n"
        "<img src=\"{#CAPTCHALINK#}\"> {#FORMMAILERPATH} <input name=\"captcha\"{#CSS#}>\n");
  project_.Settings.cboStandardFeld = false;
  EXPECT_EQ(GetCaptcha(1, project_, "12"),
            "<label><b>Spam</b>-Schutz</label>\r\n"
            "<img src=\"https://example.org/cgi-bin/formmail.php?action=captcha&amp;id=12\"> "
            "https://example.org/cgi-bin/ <input name=\"captcha\"{#CSS#}>\r\n");
}

TEST_F(CaptchaExportTest, RefreshScriptReplacesEveryMarker) {
  Write("captcha_refresh.js", "<script>\nreload(\"{#CAPTCHALINK#}\");\n</script>\n");
  const std::string script =
      "<script>\r\nreload(\"https://example.org/cgi-bin/formmail.php?action=captcha&id=77\");\r\n"
      "</script>\r\n";
  EXPECT_EQ(InsertCaptchaRefresh("a\r\n<!-- JSCAPTCHAREFRESH -->\r\nb<!-- JSCAPTCHAREFRESH -->",
                                 project_, "77"),
            "a\r\n" + script + "\r\nb" + script);
}

TEST_F(CaptchaExportTest, MissingSnippetFileStopsTheGeneration) {
  EXPECT_THROW(GetCaptcha(0, project_, "1"), EInOutError);
  EXPECT_THROW(GetCaptcha(1, project_, "1"), EInOutError);
  EXPECT_THROW(InsertCaptchaRefresh("<!-- JSCAPTCHAREFRESH -->", project_, "1"), EInOutError);
}

// The shipped snippets hold exactly the placeholders the code fills (so a
// misspelt one cannot slip through), apart from "{#FORMMAILERPATH}", which
// the shipped blocks do not need.
TEST(ShippedCaptchaFiles, HoldExactlyTheFilledPlaceholders) {
  TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
  const std::pair<std::string, std::set<std::string>> files[] = {
      {"captcha/captcha_html.html", {"CAPTCHA_TEXT", "CAPTCHALINK", "CSS"}},
      {"captcha/captcha_bootstrap.html", {"CAPTCHA_TEXT", "CAPTCHALINK"}},
      {"captcha/captcha_refresh.js", {"CAPTCHALINK"}},
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

// quazel-cli new, run as the built program: the default project of the
// language with the chosen layout, ready to export; the German stand-in; exit
// statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "model/NewProject.h"
#include "model/ProjectFile.h"

using namespace clitest;

namespace {

// Every HTML comment of the page that is not the opening of a script or style
// comment ("<!--" at the end of a line), with how often it occurs.
std::map<std::string, int> Comments(const std::string& page) {
  std::map<std::string, int> found;
  for (size_t at = page.find("<!--"); at != std::string::npos; at = page.find("<!--", at + 4)) {
    if (page.compare(at + 4, 2, "\r\n") == 0) continue;
    const size_t end = page.find("-->", at + 4);
    if (end == std::string::npos) {
      ++found[page.substr(at)];
      break;
    }
    ++found[page.substr(at, end + 3 - at)];
  }
  return found;
}

class CliNewTest : public CliTest {
 protected:
  // A copy of the installation folder without the named files.
  fs::path InstallationWithout(const std::vector<std::string>& missing) {
    const fs::path dir = root / "installation";
    fs::remove_all(dir);
    fs::copy(QUAZEL_DATA_DIR, dir, fs::copy_options::recursive);
    for (const std::string& name : missing) EXPECT_TRUE(fs::remove(dir / name)) << name;
    return dir;
  }
};

struct LanguageCase {
  const char* language;
  const char* title;
  const char* intro;
  const char* emailMessage;  // the e-mail check's message in the page's script
};

const std::vector<LanguageCase> kLanguages = {
    {"Deutsch", "Kontaktformular", "Mit diesem Formular können Sie mit uns Kontakt aufnehmen.",
     "Bitte geben Sie eine gültige E-Mail-Adresse ein."},
    {"English", "Contact form", "Use this form to get in touch with us.",
     "Please enter a valid e-mail address."},
    {"Français", "Formulaire de contact", "Ce formulaire vous permet de prendre contact avec nous.",
     "Veuillez saisir une adresse e-mail valide."},
    {"Italiano", "Modulo di contatto", "Con questo modulo potete mettervi in contatto con noi.",
     "Inserire un indirizzo e-mail valido."},
};

TEST_F(CliNewTest, EveryLanguageAndLayoutGivesAProjectThatExportsToACompletePage) {
  // What the templates keep when the heading and introduction are set and the
  // print button, captcha and calendar are off.
  const std::map<std::string, int> kept = {
      {"<!-- FORMTITLE_BEGIN -->", 1},      {"<!-- FORMTITLE_END -->", 1},
      {"<!-- EINLEITUNGTEXT_BEGIN -->", 1}, {"<!-- EINLEITUNGTEXT_END -->", 1},
      {"<!-- PRINTBUTTON -->", 1},          {"<!-- CAPTCHA -->", 1},
      {"<!-- JSCAPTCHAREFRESH -->", 1},     {"<!-- JSCAL -->", 1},
  };
  for (const LanguageCase& c : kLanguages) {
    for (int layout : {0, 1}) {
      SCOPED_TRACE(std::string(c.language) + ", layout " + std::to_string(layout));
      const std::string file = (work / "neu.qzf").string();
      const RunResult made =
          Run({"new", "--layout", std::to_string(layout), "--language", c.language, "-o", file});
      ASSERT_EQ(made.Exit, 0) << made.Err;
      EXPECT_EQ(made.Out, "");
      EXPECT_EQ(made.Err, "");

      const RunResult checked = Run({"check", file});
      EXPECT_EQ(checked.Out, "fields: 6, layout: " + std::to_string(layout) + "\n");

      const RunResult page = Run({"export", file, "--language", c.language, "--form-id", "4711"});
      ASSERT_EQ(page.Exit, 0) << page.Err;
      const std::string& html = page.Out;
      EXPECT_NE(html.find(std::string("<title>") + c.title + "</title>\r\n"), std::string::npos);
      EXPECT_NE(html.find(std::string("<h1>") + c.title + "</h1>\r\n"), std::string::npos);
      EXPECT_NE(html.find(std::string("<p>") + c.intro + "</p>\r\n"), std::string::npos);
      EXPECT_NE(html.find(c.emailMessage), std::string::npos);
      EXPECT_NE(html.find(layout == 0 ? "style=\"width:500px\"" : "style=\"width:80%\""),
                std::string::npos);
      EXPECT_EQ(html.find("{#"), std::string::npos);
      EXPECT_EQ(Comments(html), kept);
      EXPECT_EQ(html.substr(html.size() - 9), "</html>\r\n");
    }
  }
}

// The language's own default project when installed, otherwise the German
// one; a language outside the table has the code "en".
TEST_F(CliNewTest, TheGermanDefaultProjectStandsInForAMissingOne) {
  struct Case {
    const char* language;
    std::vector<std::string> missing;
    const char* loaded;
  };
  const std::vector<Case> cases = {
      {"Klingon", {}, "default_en.qzf"},
      {"Klingon", {"default_en.qzf"}, "default_Deutsch.qzf"},
      {"Italiano", {"default_it.qzf"}, "default_Deutsch.qzf"},
      {"Deutsch", {"default_de.qzf"}, "default_Deutsch.qzf"},
      {"Français", {"default_Deutsch.qzf"}, "default_fr.qzf"},
  };
  for (const Case& c : cases) {
    for (int layout : {0, 1}) {
      SCOPED_TRACE(std::string(c.language) + " without " +
                   (c.missing.empty() ? "nothing" : c.missing[0]) + ", layout " +
                   std::to_string(layout));
      const fs::path installation = InstallationWithout(c.missing);
      const fs::path file = work / "neu.qzf";
      const RunResult r = Run({"new", "--layout", std::to_string(layout), "--language", c.language,
                               "-o", file.string(), "--program-dir", installation.string()});
      ASSERT_EQ(r.Exit, 0) << r.Err;

      TProject expected;
      ASSERT_TRUE(LoadProject((installation / c.loaded).string(), expected, TLoadEnv{}).Ok);
      SetFormType(expected.Settings, layout);
      EXPECT_EQ(ReadFile(file), ProjectToXml(expected));
    }
  }
}

// Without --language the user's language decides; an empty formmailer
// address takes the first of the user's links.
TEST_F(CliNewTest, TheUsersLanguageAndFormmailerListAreUsed) {
  WriteFile(xdg / "Quazel" / "ProgramSettings.ini", "[Language]\r\nlang=Italiano\r\nfirst=0\r\n");
  WriteFile(xdg / "Quazel" / "formmailers.xml",
            "<?xml version=\"1.0\"?><xml><formmailers>"
            "<formmail>https://mail.example.org/fm.php</formmail>"
            "<formmail>https://other.example.org/fm.php</formmail>"
            "</formmailers></xml>");
  const fs::path file = work / "neu.qzf";
  const RunResult r = Run({"new", "--layout", "1", "-o", file.string()});
  ASSERT_EQ(r.Exit, 0) << r.Err;

  TProject made;
  ASSERT_TRUE(LoadProject(file.string(), made, TLoadEnv{}).Ok);
  EXPECT_EQ(made.Settings.edtFormTitel, "Modulo di contatto");
  EXPECT_EQ(made.Settings.cboFormMailer, "https://mail.example.org/fm.php");
}

TEST_F(CliNewTest, FailuresEndWithTheirExitStatusAndWriteNothing) {
  const fs::path none = InstallationWithout({"default_de.qzf", "default_Deutsch.qzf"});
  const std::string file = (work / "neu.qzf").string();
  // The interface text and the details of the error dialog.
  TQZPlatform::SetProgramDir(none.string());
  const std::string text = TQZPlatform::GetText("Deutsch", "txtMainFrmNoQZFile");
  ASSERT_NE(text, "error");
  ASSERT_NE(text, "");
  const std::string noProject = text + "\nException Class:EInOutError\r\nMessage:";
  struct Case {
    const char* what;
    std::vector<std::string> args;
    int exit;
    std::string message;  // a part of standard error
  };
  const std::vector<Case> cases = {
      {"no default project",
       {"new", "--layout", "1", "--language", "Deutsch", "-o", file, "--program-dir",
        none.string()},
       2,
       noProject},
      {"unwritable target",
       {"new", "--layout", "0", "--language", "English", "-o",
        (work / "missing" / "neu.qzf").string()},
       3,
       "quazel-cli: "},
      {"no layout", {"new", "--language", "English", "-o", file}, 64, "new needs --layout"},
      {"layout out of range", {"new", "--layout", "2", "-o", file}, 64, "--layout needs 0 or 1"},
      {"no output", {"new", "--layout", "0"}, 64, "new needs -o"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.Exit, c.exit);
    EXPECT_NE(r.Err.find(c.message), std::string::npos) << r.Err;
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(FolderEntries(work), std::vector<std::string>{});
  }
}

}  // namespace

// quazel-cli check and resave, run as the built program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "model/ProjectFile.h"

using namespace clitest;

namespace {

class CliDocumentsTest : public CliTest {
 protected:
  std::string Fixture(const char* name) { return std::string(QUAZEL_FIXTURES_DIR) + name; }
  std::string ProgramDir() { return programDir.string(); }
};

TEST_F(CliDocumentsTest, CheckPrintsFieldCountAndLayout) {
  const RunResult contact = Run({"check", Fixture("contact.qzf"), "--program-dir", ProgramDir()});
  EXPECT_EQ(contact.Exit, 0) << contact.Err;
  EXPECT_EQ(contact.Out, "fields: 5, layout: 0\n");
  EXPECT_EQ(contact.Err, "");

  const RunResult all = Run({"check", Fixture("all-fields.qzf")});
  EXPECT_EQ(all.Exit, 0) << all.Err;
  EXPECT_EQ(all.Out, "fields: 10, layout: 1\n");
}

TEST_F(CliDocumentsTest, ResaveWritesWhatTheSaveCommandWrites) {
  // A file another tool wrote: other root name, no indentation, LF only,
  // settings missing.
  WriteFile(work / "fremd.qzf",
            "<projekt><FileInfo><Prog>Quazel</Prog></FileInfo><FileContent>"
            "<edtFormTitel>Hallo</edtFormTitel><ComboFormType>1</ComboFormType><ItemList>"
            "<forms><name>n</name><typ>TEinzField</typ><pflicht>true</pflicht></forms>"
            "</ItemList></FileContent></projekt>\n");
  const RunResult r = Run({"resave", "fremd.qzf", "-o", "neu.qzf", "--program-dir", ProgramDir()});
  ASSERT_EQ(r.Exit, 0) << r.Err;
  EXPECT_EQ(r.Out, "");

  TProject expected;
  TLoadEnv env;
  ASSERT_TRUE(LoadProject((work / "fremd.qzf").string(), expected, env).Ok);
  EXPECT_EQ(ReadFile(work / "neu.qzf"), ProjectToXml(expected));
  EXPECT_EQ(expected.Settings.edtFormTitel, "Hallo");

  // The shipped samples are already normalised: resaving changes no byte.
  for (const char* name : {"contact.qzf", "all-fields.qzf"}) {
    SCOPED_TRACE(name);
    const RunResult again = Run({"resave", Fixture(name), "-o", "kopie.qzf"});
    ASSERT_EQ(again.Exit, 0) << again.Err;
    EXPECT_EQ(ReadFile(work / "kopie.qzf"), ReadFile(Fixture(name)));
  }
}

TEST_F(CliDocumentsTest, AProjectThatCannotBeLoadedExitsWithTwoAndTheErrorDetails) {
  WriteFile(work / "falsch.qzf",
            "<xml><FileInfo><Prog>Quazel </Prog></FileInfo><FileContent><ItemList/>"
            "</FileContent></xml>");
  for (const char* command : {"check", "resave"}) {
    SCOPED_TRACE(command);
    const RunResult r =
        Run({command, "falsch.qzf", "-o", "neu.qzf", "--program-dir", ProgramDir()});
    EXPECT_EQ(r.Exit, 2);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, kNoProjectDe + "\nException Class:Exception\r\nMessage:Wrong File\n");
    EXPECT_FALSE(fs::exists(work / "neu.qzf"));
  }
  const RunResult missing = Run({"check", "fehlt.qzf", "--program-dir", ProgramDir()});
  EXPECT_EQ(missing.Exit, 2);
  EXPECT_NE(missing.Err.find("Exception Class:EInOutError\r\nMessage:"), std::string::npos)
      << missing.Err;
}

TEST_F(CliDocumentsTest, TheLanguageComesFromTheOptionThenTheUserSettings) {
  WriteFile(work / "leer.qzf", "");
  const std::string english = kNoProjectEn + "\n";
  const std::string german = kNoProjectDe + "\n";
  auto firstLine = [](const std::string& s) { return s.substr(0, s.find('\n') + 1); };

  EXPECT_EQ(firstLine(Run({"check", "leer.qzf", "--program-dir", ProgramDir()}).Err), german);
  WriteFile(xdg / "Quazel" / "ProgramSettings.ini", "[Language]\nlang=English\nfirst=0\n");
  EXPECT_EQ(firstLine(Run({"check", "leer.qzf", "--program-dir", ProgramDir()}).Err), english);
  EXPECT_EQ(
      firstLine(
          Run({"check", "leer.qzf", "--language", "Deutsch", "--program-dir", ProgramDir()}).Err),
      german);
  EXPECT_EQ(ReadFile(xdg / "Quazel" / "ProgramSettings.ini"),
            "[Language]\nlang=English\nfirst=0\n");
}

TEST_F(CliDocumentsTest, CheckAndResaveCreateNothingInTheUserFolder) {
  WriteFile(work / "kaputt.qzf", "<xml>");
  Run({"check", Fixture("contact.qzf"), "--program-dir", ProgramDir()});
  Run({"resave", Fixture("contact.qzf"), "-o", "neu.qzf"});
  Run({"check", "kaputt.qzf"});
  Run({"check", "kaputt.qzf", "--program-dir", (root / "leer").string()});
  EXPECT_TRUE(fs::is_empty(xdg));
  EXPECT_TRUE(fs::is_empty(home));
}

TEST_F(CliDocumentsTest, FailedSavesExitWithThreeAndWrongUsageWithSixtyFour) {
  const RunResult save =
      Run({"resave", Fixture("contact.qzf"), "-o", (work / "fehlt" / "neu.qzf").string()});
  EXPECT_EQ(save.Exit, 3);
  EXPECT_NE(save.Err.find("No such file or directory"), std::string::npos) << save.Err;

  const std::vector<std::vector<std::string>> usage = {
      {},
      {"pruefen", Fixture("contact.qzf")},
      {"check"},
      {"resave", Fixture("contact.qzf")},
      {"check", Fixture("contact.qzf"), "--frei"},
      {"check", Fixture("contact.qzf"), "zweite.qzf"},
      {"resave", Fixture("contact.qzf"), "-o"},
  };
  for (const auto& args : usage) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    SCOPED_TRACE(line);
    const RunResult r = Run(args);
    EXPECT_EQ(r.Exit, 64);
    EXPECT_NE(r.Err.find("usage:"), std::string::npos);
  }
}

}  // namespace

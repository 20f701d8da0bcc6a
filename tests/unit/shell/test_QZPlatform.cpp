#include "shell/QZPlatform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "ShellTestSupport.h"

namespace fs = std::filesystem;
using shelltest::ShellTest;
using shelltest::TScopedEnv;
using shelltest::WriteFile;

namespace {

class QZPlatformTest : public ShellTest {};

TEST_F(QZPlatformTest, OverriddenFoldersEndWithSeparatorAndNamesAreAppendedAsGiven) {
  TQZPlatform::SetProgramDir("/opt/quazel");
  TQZPlatform::SetUserDir("/home/u/data/");
  TQZPlatform::SetTempDir("/var/tmp");
  EXPECT_EQ(TQZPlatform::GetProgramDir(), "/opt/quazel/");
  EXPECT_EQ(TQZPlatform::GetUserDir(), "/home/u/data/");
  EXPECT_EQ(TQZPlatform::GetTempDir(), "/var/tmp/");
  EXPECT_EQ(TQZPlatform::GetProgramFile("cal/cal.js"), "/opt/quazel/cal/cal.js");
  EXPECT_EQ(TQZPlatform::GetUserFile("ProgramSettings.ini"), "/home/u/data/ProgramSettings.ini");
  EXPECT_EQ(TQZPlatform::GetTempFile("tempqzform.htm"), "/var/tmp/tempqzform.htm");
}

TEST_F(QZPlatformTest, ProgramDirDefaultsToFolderOfRunningProgram) {
  TQZPlatform::SetProgramDir("");
  std::string expected = fs::read_symlink("/proc/self/exe").parent_path().string() + "/";
  EXPECT_EQ(TQZPlatform::GetProgramDir(), expected);
}

TEST_F(QZPlatformTest, UserDirFollowsXdgDataHomeElseHome) {
  TQZPlatform::SetUserDir("");
  struct Case {
    std::optional<std::string> xdg;
    std::string expected;
  };
  const Case cases[] = {
      {"/data", "/data/Quazel/"},
      {"/data/", "/data/Quazel/"},
      {std::nullopt, "/home/u/.local/share/Quazel/"},
      {"", "/home/u/.local/share/Quazel/"},
      {"relative/dir", "/home/u/.local/share/Quazel/"},  // not absolute: ignored
  };
  TScopedEnv home("HOME", "/home/u");
  for (const auto& c : cases) {
    TScopedEnv xdg("XDG_DATA_HOME", c.xdg);
    EXPECT_EQ(TQZPlatform::GetUserDir(), c.expected) << c.xdg.value_or("(unset)");
  }
}

TEST_F(QZPlatformTest, TempDirIsTempElseTmpElseSlashTmp) {
  TQZPlatform::SetTempDir("");
  struct Case {
    std::optional<std::string> temp, tmp;
    std::string expected;
  };
  const Case cases[] = {
      {"/a", "/b", "/a/"},         {"/a/", std::nullopt, "/a/"},          {"", "/b", "/b/"},
      {std::nullopt, "/b", "/b/"}, {std::nullopt, std::nullopt, "/tmp/"}, {"", "", "/tmp/"},
  };
  for (const auto& c : cases) {
    TScopedEnv temp("TEMP", c.temp);
    TScopedEnv tmp("TMP", c.tmp);
    EXPECT_EQ(TQZPlatform::GetTempDir(), c.expected)
        << c.temp.value_or("(unset)") << " " << c.tmp.value_or("(unset)");
  }
}

TEST_F(QZPlatformTest, LoadTextFileEndsEveryLineWithCrLf) {
  struct Case {
    const char* name;
    std::string stored;
    std::string expected;
  };
  const Case cases[] = {
      {"empty file", "", "\r\n"},
      {"three lines, no final break", "a\r\nb\r\nc", "a\r\nb\r\nc\r\n"},
      {"LF lines", "a\nb\n", "a\r\nb\r\n"},
      {"mixed breaks", "a\nb\r\nc\n", "a\r\nb\r\nc\r\n"},
      {"empty lines kept", "a\r\n\r\n\nb", "a\r\n\r\n\r\nb\r\n"},
      {"only a break", "\n", "\r\n"},
      {"lone CR is no break", "a\rb\r", "a\rb\r\r\n"},
      {"bytes as stored", std::string("\xE4\xF6\0z\xC3\xA9", 6),
       std::string("\xE4\xF6\0z\xC3\xA9\r\n", 8)},
  };
  for (const auto& c : cases) {
    fs::path file = tempDir / "text.txt";
    WriteFile(file, c.stored);
    EXPECT_EQ(TQZPlatform::LoadTextFile(file.string()), c.expected) << c.name;
  }
}

TEST_F(QZPlatformTest, LoadTextFileLongLinesAndManyLines) {
  std::string line(100000, 'x');
  WriteFile(tempDir / "big.txt", line + "\n" + line);
  EXPECT_EQ(TQZPlatform::LoadTextFile((tempDir / "big.txt").string()),
            line + "\r\n" + line + "\r\n");
}

TEST_F(QZPlatformTest, LoadTextFileFailureNamesTheFile) {
  const std::string missing = (tempDir / "missing.htm").string();
  const std::string folder = tempDir.string();
  for (const std::string& path : {missing, folder}) {
    try {
      TQZPlatform::LoadTextFile(path);
      ADD_FAILURE() << "no error for " << path;
    } catch (const EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
}

TEST_F(QZPlatformTest, LoadProgramTextFileReadsFromInstallationFolder) {
  WriteFile(programDir / "cal" / "cal.js", "var a;\nvar b;");
  EXPECT_EQ(TQZPlatform::LoadProgramTextFile("cal/cal.js"), "var a;\r\nvar b;\r\n");
  EXPECT_THROW(TQZPlatform::LoadProgramTextFile("cal/none.js"), EInOutError);
}

TEST_F(QZPlatformTest, OpenAndMessageGoThroughTheServices) {
  TQZPlatform::OpenURL("https://example.org/de/");
  TQZPlatform::OpenDocument("/opt/quazel/de_formmailer.htm");
  TQZPlatform::ShowMessage("Hallo");
  EXPECT_EQ(services->opened,
            (std::vector<std::string>{"https://example.org/de/", "/opt/quazel/de_formmailer.htm"}));
  EXPECT_EQ(services->messages, std::vector<std::string>{"Hallo"});
}

class GetTextTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteFile(langIni(),
              "[Deutsch]\r\n"
              "txtA=Hallo Welt\r\n"
              "154=Falscher Code\r\n"
              "ComboFormFieldSize2=Gro\xC3\x9F\r\n"
              "[Fran\xC3\xA7"
              "ais]\r\n"
              "txtA=Bonjour\r\n"
              "[Francais]\r\n"
              "txtA=Sans cedille\r\n");
  }
  fs::path langIni() const { return programDir / "lang.ini"; }
};

TEST_F(GetTextTest, LooksUpKeyInSectionOfLanguage) {
  struct Case {
    std::string language, key, expected;
  };
  const Case cases[] = {
      {"Deutsch", "txtA", "Hallo Welt"},
      {"Deutsch", "154", "Falscher Code"},
      {"Deutsch", "ComboFormFieldSize2", "Gro\xC3\x9F"},
      {"Fran\xC3\xA7"
       "ais",
       "txtA", "Bonjour"},
      {"Francais", "txtA", "Sans cedille"},
      {"francais", "txtA", "error"},  // names compared with case
      {"Deutsch", "TXTA", "error"},
      {"Deutsch", "txtMissing", "error"},
      {"Espa\xC3\xB1ol", "txtA", "error"},
      {"", "txtA", "error"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TQZPlatform::GetText(c.language, c.key), c.expected) << c.language << "/" << c.key;
  EXPECT_TRUE(services->messages.empty());
}

TEST_F(GetTextTest, MissingFileShowsMessageAtEveryLookupAndGivesEmptyText) {
  fs::remove(langIni());
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "");
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "154"), "");
  EXPECT_EQ(services->messages, (std::vector<std::string>{"Language-file doesnt exist!",
                                                          "Language-file doesnt exist!"}));
}

TEST_F(GetTextTest, ChangedFileTakesEffectAtNextLookup) {
  ASSERT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Hallo Welt");

  // New content of another size.
  WriteFile(langIni(), "[Deutsch]\ntxtA=Neu\n");
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Neu");

  // Same size, only the modification time differs.
  auto stamp = fs::last_write_time(langIni());
  WriteFile(langIni(), "[Deutsch]\ntxtA=Alt\n");
  fs::last_write_time(langIni(), stamp + std::chrono::seconds(5));
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Alt");

  // Removed after it had been read: the message again, no stale text.
  fs::remove(langIni());
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "");
  EXPECT_EQ(services->messages, std::vector<std::string>{"Language-file doesnt exist!"});

  WriteFile(langIni(), "[Deutsch]\ntxtA=Wieder da\n");
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Wieder da");
}

TEST_F(GetTextTest, FollowsTheInstallationFolder) {
  ASSERT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Hallo Welt");
  fs::path other = root / "other";
  WriteFile(other / "lang.ini", "[Deutsch]\ntxtA=Andere Installation\n");
  TQZPlatform::SetProgramDir(other.string());
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "txtA"), "Andere Installation");
}

}  // namespace

#include "shell/ProgramSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ShellTestSupport.h"
#include "shell/IniFile.h"

namespace fs = std::filesystem;
using shelltest::FolderEntries;
using shelltest::ReadFile;
using shelltest::ShellTest;
using shelltest::WriteFile;

namespace {

const std::string kFrancais =
    "Fran\xC3\xA7"
    "ais";

class ProgramSettingsTest : public ShellTest {
 protected:
  void TearDown() override {
    TProgramSettings::FreeInstance();
    ShellTest::TearDown();
  }
  fs::path settingsFile() const { return userDir / "ProgramSettings.ini"; }
  std::optional<std::string> stored(const std::string& section, const std::string& key) const {
    TIniFile ini;
    if (!ini.LoadFromFile(settingsFile().string())) return std::nullopt;
    return ini.Value(section, key);
  }
};

TEST_F(ProgramSettingsTest, FirstStartCreatesFileWithDefaultsThenLanguageChoiceEndsIt) {
  ASSERT_FALSE(fs::exists(userDir.parent_path()));
  {
    TProgramSettings settings;
    EXPECT_EQ(settings.FileName(), settingsFile().string());
    ASSERT_TRUE(fs::is_regular_file(settingsFile()));
    EXPECT_EQ(stored("Language", "lang"), "Deutsch");
    EXPECT_EQ(stored("Language", "first"), "1");
    EXPECT_TRUE(settings.IsFirstStart());
    EXPECT_EQ(settings.GetLanguage(), "Deutsch");

    settings.SetFirstLanguage(kFrancais);
    EXPECT_EQ(stored("Language", "lang"), kFrancais);
    EXPECT_EQ(stored("Language", "first"), "0");
  }
  // Next start: the file is kept as it is and no question is due.
  std::string before = ReadFile(settingsFile());
  TProgramSettings next;
  EXPECT_EQ(ReadFile(settingsFile()), before);
  EXPECT_FALSE(next.IsFirstStart());
  EXPECT_EQ(next.GetLanguage(), kFrancais);
  EXPECT_EQ(next.GetLanguageCode(), "fr");
  EXPECT_EQ(next.GetHelpFileName(), "fr_formmailer.htm");
  EXPECT_TRUE(services->messages.empty());
}

TEST_F(ProgramSettingsTest, FirstStartFlagFromFile) {
  struct Case {
    const char* content;
    bool expected;
  };
  const Case cases[] = {
      {"[Language]\nlang=English\nfirst=1\n", true},
      {"[Language]\nlang=English\nfirst=0\n", false},
      {"[Language]\nlang=English\n", true},  // no key: the question is due
      {"", true},
      {"[Language]\nfirst=yes\n", false},
  };
  for (const auto& c : cases) {
    WriteFile(settingsFile(), c.content);
    TProgramSettings settings;
    EXPECT_EQ(settings.IsFirstStart(), c.expected) << c.content;
  }
  EXPECT_TRUE(services->messages.empty());
}

TEST_F(ProgramSettingsTest, ReadAndWriteKeepTheRestOfTheFile) {
  WriteFile(settingsFile(), "[Language]\nlang=English\nfirst=0\n[Own]\nx=1\n");
  TProgramSettings settings;
  EXPECT_EQ(settings.ReadValue("Own", "x"), "1");
  EXPECT_EQ(settings.ReadValue("Own", "missing"), "Error");
  EXPECT_EQ(settings.ReadValue("NoSection", "x"), "Error");

  settings.SetShownNumber(5);
  settings.SetLanguage("Italiano");
  settings.WriteValue("Own", "y", "zwei");
  EXPECT_EQ(stored("LastUsed", "ShownNumber"), "5");
  EXPECT_EQ(stored("Language", "lang"), "Italiano");
  EXPECT_EQ(stored("Language", "first"), "0");
  EXPECT_EQ(stored("Own", "x"), "1");
  EXPECT_EQ(stored("Own", "y"), "zwei");
  EXPECT_EQ(settings.GetLanguageCode(), "it");
  EXPECT_EQ(FolderEntries(userDir), std::vector<std::string>{"ProgramSettings.ini"});

  settings.SetLanguage("");
  EXPECT_EQ(settings.GetLanguage(), "Deutsch");
}

TEST_F(ProgramSettingsTest, ValueWithLineBreakCannotAddEntries) {
  WriteFile(settingsFile(), "[Language]\nlang=English\nfirst=0\n");
  std::string before = ReadFile(settingsFile());
  TProgramSettings settings;
  settings.SetLanguage("Italiano\nfirst=1");
  settings.WriteValue("Language", "lang", "Italiano\r\n[Language]\r\nfirst=1");
  settings.WriteValue("LastUsed\n[Language]", "first", "1");
  EXPECT_EQ(ReadFile(settingsFile()), before);
  EXPECT_FALSE(settings.IsFirstStart());
  EXPECT_EQ(settings.GetLanguage(), "English");
}

TEST_F(ProgramSettingsTest, LanguageDefaultsToDeutschWhenKeyIsMissing) {
  WriteFile(settingsFile(), "[Language]\nfirst=0\n");
  TProgramSettings settings;
  EXPECT_EQ(settings.GetLanguage(), "Deutsch");
  EXPECT_EQ(settings.GetLanguageCode(), "de");
}

TEST_F(ProgramSettingsTest, FileDeletedWhileRunning) {
  TProgramSettings settings;
  fs::remove(settingsFile());

  EXPECT_EQ(settings.GetLanguage(), "Deutsch");
  EXPECT_TRUE(services->messages.empty());  // silently

  EXPECT_EQ(settings.ReadValue("Language", "lang"), "");
  EXPECT_FALSE(settings.IsFirstStart());
  EXPECT_EQ(services->messages,
            (std::vector<std::string>{"Setting-file doesnt exist!", "Setting-file doesnt exist!"}));

  // Writes are skipped; nothing recreates the file.
  settings.SetLanguage("English");
  settings.SetFirstLanguage("English");
  settings.SetShownNumber(7);
  settings.WriteValue("A", "b", "c");
  EXPECT_FALSE(fs::exists(settingsFile()));
}

TEST_F(ProgramSettingsTest, LanguageCodeAndHelpPageCompareNamesByteForByte) {
  struct Case {
    std::string language, code;
  };
  const Case cases[] = {
      {"Deutsch", "de"},
      {"English", "en"},
      {kFrancais, "fr"},
      {"Italiano", "it"},
      {"Francais", "en"},
      {"fran\xC3\xA7"
       "ais",
       "en"},
      {"FRAN\xC3\x87"
       "AIS",
       "en"},
      {"deutsch", "en"},
      {"Deutsch ", "en"},
      {"Espa\xC3\xB1ol", "en"},
      {"", "en"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TProgramSettings::LanguageCode(c.language), c.code) << c.language;
    EXPECT_EQ(TProgramSettings::HelpFileName(c.language), c.code + "_formmailer.htm") << c.language;
  }
}

TEST_F(ProgramSettingsTest, LanguagesAreSectionsOfLangIniInFileOrder) {
  WriteFile(programDir / "lang.ini", "[Deutsch]\na=1\n[English]\na=1\n[" + kFrancais +
                                         "]\na=1\n[Italiano]\n[Espa\xC3\xB1ol]\n");
  TProgramSettings settings;
  EXPECT_TRUE(settings.HasLanguages());
  EXPECT_EQ(settings.Languages(), (std::vector<std::string>{"Deutsch", "English", kFrancais,
                                                            "Italiano", "Espa\xC3\xB1ol"}));

  // An added language: its name is stored as it is and maps to "en".
  settings.SetLanguage("Espa\xC3\xB1ol");
  EXPECT_EQ(settings.GetLanguageCode(), "en");
  EXPECT_EQ(settings.GetHelpFileName(), "en_formmailer.htm");
}

TEST_F(ProgramSettingsTest, NoLanguagesWithoutLangIni) {
  TProgramSettings settings;
  EXPECT_FALSE(settings.HasLanguages());
  EXPECT_TRUE(settings.Languages().empty());
  EXPECT_TRUE(services->messages.empty());
}

TEST_F(ProgramSettingsTest, SharedInstanceLivesUntilFreed) {
  TProgramSettings& a = TProgramSettings::GetInstance();
  EXPECT_EQ(&TProgramSettings::GetInstance(), &a);
  EXPECT_EQ(a.FileName(), settingsFile().string());

  TProgramSettings::FreeInstance();
  fs::path other = root / "other-user";
  TQZPlatform::SetUserDir(other.string());
  EXPECT_EQ(TProgramSettings::GetInstance().FileName(), (other / "ProgramSettings.ini").string());
  EXPECT_TRUE(fs::is_regular_file(other / "ProgramSettings.ini"));
}

}  // namespace

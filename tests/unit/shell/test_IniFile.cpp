#include "shell/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ShellTestSupport.h"

namespace fs = std::filesystem;
using shelltest::FolderEntries;
using shelltest::ReadFile;
using shelltest::ShellTest;
using shelltest::WriteFile;

namespace {

class IniFileTest : public ShellTest {};

TEST_F(IniFileTest, SectionsAndKeysInFileOrderWithCaseSensitiveNames) {
  TIniFile ini;
  ini.LoadFromText(
      "\xEF\xBB\xBF"  // a byte-order mark does not become part of the first name
      "[Zeta]\r\n"
      "b = 2\r\n"
      "a=1\r\n"
      "; comment\r\n"
      "[Fran\xC3\xA7"
      "ais]\r\n"
      "k=\xC3\xA7"
      "a=va\r\n"
      "[francais]\r\n"
      "k=klein\r\n"
      "[Alpha]\r\n");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Zeta",
                                                          "Fran\xC3\xA7"
                                                          "ais",
                                                          "francais", "Alpha"}));
  EXPECT_EQ(ini.KeyNames("Zeta"), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(ini.Value("Zeta", "b"), "2");
  EXPECT_EQ(ini.Value("Zeta", "a"), "1");  // no CR left on the value
  EXPECT_EQ(ini.Value("Fran\xC3\xA7"
                      "ais",
                      "k"),
            "\xC3\xA7"
            "a=va");
  EXPECT_EQ(ini.Value("francais", "k"), "klein");
  EXPECT_EQ(ini.Value("zeta", "a"), std::nullopt);
  EXPECT_EQ(ini.Value("Zeta", "A"), std::nullopt);
  EXPECT_EQ(ini.Value("Alpha", "a"), std::nullopt);
  EXPECT_TRUE(ini.KeyNames("None").empty());
}

TEST_F(IniFileTest, ALineThatStartsASectionButNamesNoneIsSkipped) {
  // Without the skip, the keys after such a line went to a section whose name
  // held a line break, and writing the file back moved them elsewhere.
  for (const char* text : {"[A]\r\nx=1\r\n[B\r\ny=2\r\n", "[A]\nx=1\n  [B\ny=2\n",
                           "[A]\r\nx=1\r\n[\r\nB]\r\ny=2\r\n", "[A]\rx=1\r[ ]\ry=2\r"}) {
    SCOPED_TRACE(text);
    TIniFile ini;
    ini.LoadFromText(text);
    TIniFile back;
    back.LoadFromText(ini.ToText());
    for (const TIniFile* read : {&ini, &back}) {
      EXPECT_EQ(read->SectionNames(), std::vector<std::string>{"A"});
      EXPECT_EQ(read->KeyNames("A"), (std::vector<std::string>{"x", "y"}));
      EXPECT_EQ(read->Value("A", "y"), "2");
    }
  }
}

TEST_F(IniFileTest, AByteOrderMarkFurtherDownHidesNoSectionAndNamesNoKey) {
  // Two files joined together, the second with its own byte-order mark.
  TIniFile ini;
  ini.LoadFromText("\xEF\xBB\xBF[A]\r\nx=1\r\n\xEF\xBB\xBF[B]\r\ny=2\r\n \xEF\xBB\xBFz=3\r\n");
  TIniFile back;
  back.LoadFromText(ini.ToText());
  for (const TIniFile* read : {&ini, &back}) {
    EXPECT_EQ(read->SectionNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(read->Value("A", "x"), "1");
    EXPECT_EQ(read->KeyNames("B"), (std::vector<std::string>{"y", "z"}));
  }
}

TEST_F(IniFileTest, SaveAndLoadRoundTripWithoutLeftovers) {
  fs::path file = userDir / "s.ini";
  fs::create_directories(userDir);
  TIniFile ini;
  ini.SetValue("Language", "lang",
               "Fran\xC3\xA7"
               "ais");
  ini.SetValue("Language", "first", "0");
  ini.SetValue("LastUsed", "ShownNumber", "5");
  ASSERT_TRUE(ini.SaveToFile(file.string()));

  TIniFile back;
  ASSERT_TRUE(back.LoadFromFile(file.string()));
  EXPECT_EQ(back.SectionNames(), (std::vector<std::string>{"Language", "LastUsed"}));
  EXPECT_EQ(back.Value("Language", "lang"),
            "Fran\xC3\xA7"
            "ais");
  EXPECT_EQ(back.Value("LastUsed", "ShownNumber"), "5");
  EXPECT_EQ(FolderEntries(userDir), std::vector<std::string>{"s.ini"});
}

TEST_F(IniFileTest, ReplacingKeepsPermissionsOfTheOldFile) {
  fs::path file = tempDir / "s.ini";
  WriteFile(file, "[A]\nx=1\n");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileReplacing(file.string(), "[A]\nx=2\n"));
  struct stat st;
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadFile(file), "[A]\nx=2\n");
}

TEST_F(IniFileTest, FailedReplaceLeavesTargetAndFolderAlone) {
  // The target is a folder: the rename fails after the data was written.
  fs::create_directories(tempDir / "target.ini");
  EXPECT_FALSE(WriteFileReplacing((tempDir / "target.ini").string(), "[A]\n"));
  EXPECT_TRUE(fs::is_directory(tempDir / "target.ini"));
  EXPECT_EQ(FolderEntries(tempDir), std::vector<std::string>{"target.ini"});

  // The folder does not exist.
  EXPECT_FALSE(WriteFileReplacing((tempDir / "none" / "x.ini").string(), "[A]\n"));
}

TEST_F(IniFileTest, MissingOrUnreadableFileGivesNothing) {
  EXPECT_FALSE(TIniFile().LoadFromFile((tempDir / "none.ini").string()));
  EXPECT_FALSE(TIniFile().LoadFromFile(tempDir.string()));
  EXPECT_EQ(ReadIniSectionNames((tempDir / "none.ini").string()), std::nullopt);
  EXPECT_EQ(LoadIniFileCached((tempDir / "none.ini").string()), nullptr);
  EXPECT_EQ(LoadIniFileCached(tempDir.string()), nullptr);
}

TEST_F(IniFileTest, CachedFileIsParsedAgainOnlyAfterAChange) {
  fs::path file = tempDir / "lang.ini";
  WriteFile(file, "[A]\nx=1\n");
  auto first = LoadIniFileCached(file.string());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(LoadIniFileCached(file.string()), first);  // same parsed object

  // A file written elsewhere and renamed over it: another inode, same size.
  WriteFile(tempDir / "new.ini", "[A]\nx=2\n");
  fs::rename(tempDir / "new.ini", file);
  auto second = LoadIniFileCached(file.string());
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->Value("A", "x"), "2");
  EXPECT_EQ(first->Value("A", "x"), "1");  // a holder keeps its own copy
}

}  // namespace

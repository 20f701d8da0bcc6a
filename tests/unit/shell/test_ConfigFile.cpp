#include "shell/uConfigFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ShellTestSupport.h"

namespace fs = std::filesystem;
using shelltest::FolderEntries;
using shelltest::ReadFile;
using shelltest::ShellTest;
using shelltest::WriteFile;

namespace {

class ConfigFileTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    WriteFile(programDir / "formmailers.xml", "<formmailers>installed</formmailers>\r\n");
    WriteFile(programDir / "vorlagen.xml", "<vorlagen>installed</vorlagen>\r\n");
  }
};

TEST_F(ConfigFileTest, FirstStartCreatesFolderAndCopiesBothLists) {
  ASSERT_FALSE(fs::exists(userDir.parent_path()));
  TConfigFile::ProvideUserFiles();
  EXPECT_EQ(FolderEntries(userDir), (std::vector<std::string>{"formmailers.xml", "vorlagen.xml"}));
  EXPECT_EQ(ReadFile(userDir / "formmailers.xml"), "<formmailers>installed</formmailers>\r\n");
  EXPECT_EQ(ReadFile(userDir / "vorlagen.xml"), "<vorlagen>installed</vorlagen>\r\n");
}

TEST_F(ConfigFileTest, UserListsAreNeverOverwritten) {
  WriteFile(userDir / "vorlagen.xml", "<vorlagen>mine</vorlagen>");
  TConfigFile::ProvideUserFiles();
  EXPECT_EQ(ReadFile(userDir / "vorlagen.xml"), "<vorlagen>mine</vorlagen>");
  EXPECT_EQ(ReadFile(userDir / "formmailers.xml"), "<formmailers>installed</formmailers>\r\n");

  // An update of the installation changes nothing either.
  WriteFile(programDir / "formmailers.xml", "<formmailers>update</formmailers>");
  WriteFile(userDir / "formmailers.xml", "");  // even an emptied list is the user's
  TConfigFile::ProvideUserFiles();
  EXPECT_EQ(ReadFile(userDir / "formmailers.xml"), "");
  EXPECT_EQ(ReadFile(userDir / "vorlagen.xml"), "<vorlagen>mine</vorlagen>");
}

TEST_F(ConfigFileTest, MissingInstalledCopyIsIgnored) {
  fs::remove(programDir / "formmailers.xml");
  EXPECT_NO_THROW(TConfigFile::ProvideUserFiles());
  EXPECT_EQ(FolderEntries(userDir), std::vector<std::string>{"vorlagen.xml"});
}

TEST_F(ConfigFileTest, UnusableUserFolderIsIgnored) {
  WriteFile(userDir, "a file where the folder should be");
  EXPECT_NO_THROW(TConfigFile::ProvideUserFiles());
  EXPECT_TRUE(fs::is_regular_file(userDir));
}

}  // namespace

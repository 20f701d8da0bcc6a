#include "model/FormMailerManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectTestSupport.h"

using namespace projecttest;

namespace {

class FormMailerManagerTest : public FolderTest {};

TEST_F(FormMailerManagerTest, TheFileLivesInTheUserFolder) {
  EXPECT_EQ(TFormMailerManager::GetFileName(), (userDir / "formmailers.xml").string());
}

TEST_F(FormMailerManagerTest, SavedListsAreWrittenAsXmlAndReadBackUnchanged) {
  EXPECT_TRUE(TFormMailerManager::SaveLinks({}));  // creates the user folder
  EXPECT_EQ(ReadFile(TFormMailerManager::GetFileName()),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
            "<xml>\r\n"
            "  <formmailers />\r\n"
            "</xml>\r\n");
  EXPECT_TRUE(TFormMailerManager::LoadLinks().empty());

  const std::vector<std::string> links = {
      "https://www.example.com/cgi-bin/formmail.php?a=1&b=<2>",
      "https://www.example.com/cgi-bin/formmail.php?a=1&b=<2>",  // duplicates stay
      "http://bücher.example/fm.php",
  };
  EXPECT_TRUE(TFormMailerManager::SaveLinks(links));
  EXPECT_EQ(
      ReadFile(TFormMailerManager::GetFileName()),
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<xml>\r\n"
      "  <formmailers>\r\n"
      "    "
      "<formmail>https://www.example.com/cgi-bin/formmail.php?a=1&amp;b=&lt;2&gt;</formmail>\r\n"
      "    "
      "<formmail>https://www.example.com/cgi-bin/formmail.php?a=1&amp;b=&lt;2&gt;</formmail>\r\n"
      "    <formmail>http://bücher.example/fm.php</formmail>\r\n"
      "  </formmailers>\r\n"
      "</xml>\r\n");
  EXPECT_EQ(TFormMailerManager::LoadLinks(), links);
}

TEST_F(FormMailerManagerTest, FilesOfOtherShapesOrBrokenFilesNeverFail) {
  struct Case {
    const char* what;
    std::string file;
    std::vector<std::string> links;
  };
  const std::vector<Case> cases = {
      {"other root name, other child names",
       "<liste><formmailers><a>eins</a><b/><c>drei</c></formmailers></liste>",
       {"eins", "", "drei"}},
      {"no formmailers element", "<xml><andere><formmail>x</formmail></andere></xml>", {}},
      {"not XML", "formmail=https://example.com", {}},
      {"empty file", "", {}},
      {"invalid UTF-8", "<xml><formmailers><formmail>\xFF</formmail></formmailers></xml>", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(TFormMailerManager::GetFileName(), c.file);
    EXPECT_EQ(TFormMailerManager::LoadLinks(), c.links);
  }
  fs::remove(TFormMailerManager::GetFileName());
  EXPECT_TRUE(TFormMailerManager::LoadLinks().empty());
}

TEST_F(FormMailerManagerTest, AFailedSaveReportsFalseAndKeepsTheOldList) {
  // The user folder's place is taken by a file: nothing can be written.
  WriteFile(userDir.parent_path() / "Quazel", "kein Ordner");
  EXPECT_FALSE(TFormMailerManager::SaveLinks({"https://example.com/fm.php"}));
  EXPECT_EQ(ReadFile(userDir.parent_path() / "Quazel"), "kein Ordner");

  // A folder stands where the list should go: the old content is untouched.
  fs::remove(userDir.parent_path() / "Quazel");
  fs::create_directories(userDir / "formmailers.xml" / "x");
  EXPECT_FALSE(TFormMailerManager::SaveLinks({"https://example.com/fm.php"}));
  EXPECT_TRUE(fs::is_directory(userDir / "formmailers.xml" / "x"));
  EXPECT_EQ(FolderEntries(userDir), std::vector<std::string>{"formmailers.xml"});
}

// A list that no longer reads as XML was shown as empty; saving the new list
// keeps the old file beside it instead of destroying it.
TEST_F(FormMailerManagerTest, SavingOverABrokenListKeepsItAside) {
  const std::string file = TFormMailerManager::GetFileName();
  WriteFile(file, "<xml><formmailers><formmail>https://example.com/a.php");
  ASSERT_TRUE(TFormMailerManager::SaveLinks({"https://example.com/b.php"}));
  EXPECT_EQ(TFormMailerManager::LoadLinks(), std::vector<std::string>{"https://example.com/b.php"});
  EXPECT_EQ(ReadFile(file + ".damaged"), "<xml><formmailers><formmail>https://example.com/a.php");
  // A readable list is simply replaced.
  ASSERT_TRUE(TFormMailerManager::SaveLinks({}));
  EXPECT_FALSE(fs::exists(file + ".damaged2"));
}

}  // namespace

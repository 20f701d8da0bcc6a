// Saving and loading a project when things go wrong underneath: the disk
// fills up in the middle of a save, the folder takes no new files, the
// process is killed while saving, the file on disk is damaged. The previous
// file and the open project must come through every time.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "../model/ProjectTestSupport.h"
#include "model/ProjectFile.h"

using namespace projecttest;

namespace {

// A project of several megabytes, so that a save takes many writes and a
// kill can land in the middle of one. variant makes two such projects differ.
TProject LargeProject(const std::string& variant) {
  TProject project = AllFieldsProject();
  project.Settings.edtFormTitel = variant;
  const TProject pattern = AllFieldsProject();
  for (int copy = 0; copy < 400; ++copy)
    for (const auto& field : pattern.Fields) {
      auto clone = field->Clone();
      clone->Name += "_" + variant + std::to_string(copy);
      project.Fields.Add(std::move(clone));
    }
  return project;
}

// Files of a folder other than the project file itself: temporary files that
// a failed or interrupted save left behind.
std::vector<std::string> Leftovers(const fs::path& dir, const std::string& keep) {
  std::vector<std::string> names = FolderEntries(dir);
  std::erase(names, keep);
  return names;
}

// Runs body in a child process and returns its exit status (-1 when it did
// not exit normally). The child ends with _exit, so it never runs the test
// framework's own exit handling.
template <class Body>
int InChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ProjectFileFaultTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    path = work / "project.qzf";
    ASSERT_TRUE(SaveProject(path.string(), ContactProject()).Ok);
    previous = ReadFile(path);
  }

  // The previous file is still there byte for byte, nothing else is left in
  // the folder, and the next save goes through.
  void ExpectPreviousFileIntactAndSavingWorks() {
    EXPECT_EQ(ReadFile(path), previous);
    EXPECT_EQ(Leftovers(work, path.filename().string()), std::vector<std::string>{});
    const TProject next = AllFieldsProject();
    ASSERT_TRUE(SaveProject(path.string(), next).Ok);
    EXPECT_EQ(ReadFile(path), ProjectToXml(next));
  }

  fs::path path;
  std::string previous;
};

TEST_F(ProjectFileFaultTest, ADiskThatFillsUpDuringTheSaveKeepsThePreviousFile) {
  const TProject large = LargeProject("new");
  const std::string bytes = ProjectToXml(large);
  ASSERT_GT(bytes.size(), 1u << 20);
  // The file size limit stands in for a full disk: writes past it fail with
  // EFBIG (SIGXFSZ ignored), at the first byte, inside the first block, in
  // the middle and at the very last byte.
  for (rlim_t limit :
       {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{bytes.size() / 2}, rlim_t{bytes.size() - 1}}) {
    SCOPED_TRACE("limit " + std::to_string(limit));
    const int status = InChild([&] {
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit rl{limit, limit};
      if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) return 10;
      const LoadResult result = SaveProject(path.string(), large);
      if (result.Ok) return 11;
      return result.Message.find("File too large") == std::string::npos ? 12 : 0;
    });
    EXPECT_EQ(status, 0) << "10: no limit set, 11: reported success, 12: other message";
    ExpectPreviousFileIntactAndSavingWorks();
    ASSERT_TRUE(SaveProject(path.string(), ContactProject()).Ok);
  }
  // Exactly enough room: the save goes through.
  const int status = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit rl{bytes.size(), bytes.size()};
    if (::setrlimit(RLIMIT_FSIZE, &rl) != 0) return 10;
    return SaveProject(path.string(), large).Ok ? 0 : 11;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(ProjectFileFaultTest, AFolderThatTakesNoNewFilesKeepsThePreviousFile) {
  // A file where the folder should be: nothing can be created below it.
  const fs::path notAFolder = work / "folder.qzf";
  WriteFile(notAFolder, "not a folder");
  const LoadResult result = SaveProject((notAFolder / "p.qzf").string(), ContactProject());
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find("Not a directory"), std::string::npos) << result.Message;
  EXPECT_EQ(ReadFile(notAFolder), "not a folder");
  fs::remove(notAFolder);

  // A folder the user may read but not write to. Permission bits do not bind
  // the superuser, so as root the save runs in a child that has given up
  // its privileges.
  fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  fs::permissions(work, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
  const int status = InChild([&] {
    if (::geteuid() != 0)
      ::chmod(work.c_str(), 0555);
    else if (::setgid(65534) != 0 || ::setuid(65534) != 0)
      return 10;
    const LoadResult denied = SaveProject(path.string(), AllFieldsProject());
    if (denied.Ok) return 11;
    return denied.Message.find("Permission denied") == std::string::npos ? 12 : 0;
  });
  EXPECT_EQ(status, 0) << "10: privileges kept, 11: reported success, 12: other message";
  fs::permissions(work, fs::perms::owner_all, fs::perm_options::add);
  ExpectPreviousFileIntactAndSavingWorks();
}

TEST_F(ProjectFileFaultTest, AProcessKilledWhileSavingLeavesOneWholeVersion) {
  const TProject first = LargeProject("first");
  const TProject second = LargeProject("second");
  const std::string firstBytes = ProjectToXml(first);
  const std::string secondBytes = ProjectToXml(second);
  ASSERT_TRUE(SaveProject(path.string(), first).Ok);
  const std::string tempPrefix = "." + path.filename().string() + ".tmp-";

  // The moment of the kill: once the child's temporary file holds this share
  // of a version (in eighths; 9 = as soon as the child runs, before any
  // temporary file is looked for).
  int killsInsideASave = 0;
  size_t leftovers = 0;
  for (int eighths : {9, 0, 1, 2, 4, 6, 7, 8, 8, 8}) {
    SCOPED_TRACE("kill at " + std::to_string(eighths) + "/8");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      // Saves the two versions in turn until it is killed.
      ::close(ready[0]);
      (void)!::write(ready[1], "x", 1);
      for (bool odd = false;; odd = !odd) SaveProject(path.string(), odd ? first : second);
    }
    ::close(ready[1]);
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    if (eighths <= 8) {
      // Polls the folder; gives up after a generous number of looks (the
      // kill then simply lands somewhere else).
      const size_t wanted = firstBytes.size() * eighths / 8;
      bool seen = false;
      for (long look = 0; look < 2000000 && !seen; ++look) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(work, ec)) {
          const std::string name = entry.path().filename().string();
          if (name.rfind(tempPrefix, 0) == 0 && fs::file_size(entry.path(), ec) >= wanted && !ec)
            seen = true;
        }
      }
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string now = ReadFile(path);
    EXPECT_TRUE(now == firstBytes || now == secondBytes)
        << "a file of " << now.size() << " bytes that is neither version";
    // A killed save leaves its hidden temporary file behind; it must keep
    // neither the project from loading nor the next save from working.
    const std::vector<std::string> left = Leftovers(work, path.filename().string());
    if (left.size() > leftovers) ++killsInsideASave;
    leftovers = left.size();
    for (const std::string& name : left) EXPECT_EQ(name.rfind(tempPrefix, 0), 0u) << name;
    TProject loaded;
    ASSERT_TRUE(LoadProject(path.string(), loaded, TLoadEnv{}).Ok);
    ASSERT_TRUE(SaveProject(path.string(), first).Ok);
    EXPECT_EQ(ReadFile(path), firstBytes);
  }
  // The kills did land inside saves, not only between them.
  EXPECT_GT(killsInsideASave, 0);
}

TEST_F(ProjectFileFaultTest, AFailedLoadLeavesTheOpenProjectExactlyAsItWas) {
  // Damaged copies of a real project file: cut off at points all through it,
  // a byte that is no UTF-8 put in, a tag renamed so the nesting breaks, a
  // field type nobody knows, and a folder or an empty file instead of a file.
  const std::string good = ProjectToXml(AllFieldsProject());
  const size_t end = good.rfind("</xml>");
  ASSERT_NE(end, std::string::npos);
  struct Case {
    std::string what;
    std::string bytes;
  };
  std::vector<Case> cases;
  for (size_t cut = 0; cut < end; cut += end / 23 + 1)
    cases.push_back({"cut at " + std::to_string(cut), good.substr(0, cut)});
  for (size_t at : {good.find("<Prog>") + 7, good.find("<ItemList>") + 4, end + 2}) {
    std::string bytes = good;
    bytes[at] = '\xFF';
    cases.push_back({"0xFF at " + std::to_string(at), bytes});
  }
  {
    std::string bytes = good;
    const size_t at = bytes.find("</FileContent>");
    bytes.replace(at, 14, "</FileContend>");
    cases.push_back({"mismatched end tag", bytes});
  }
  {
    std::string bytes = good;
    const size_t at = bytes.rfind("<typ>T");
    bytes.replace(at, 6, "<typ>X");
    cases.push_back({"unknown type in the last field", bytes});
  }

  const TProject open = ContactProject();
  const fs::path before = work / "before.qzf";
  ASSERT_TRUE(SaveProject(before.string(), open).Ok);
  const fs::path broken = work / "broken.qzf";
  const fs::path after = work / "after.qzf";
  auto expectUnchanged = [&](const TProject& project) {
    ASSERT_TRUE(SaveProject(after.string(), project).Ok);
    EXPECT_EQ(ReadFile(after), ReadFile(before));
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(broken, c.bytes);
    TProject project = open;
    const LoadResult result = LoadProject(broken.string(), project, TLoadEnv{});
    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.ErrorKind.empty());
    expectUnchanged(project);
  }
  // Something that is no file at all.
  fs::remove(broken);
  fs::create_directories(broken);
  TProject project = open;
  EXPECT_EQ(LoadProject(broken.string(), project, TLoadEnv{}).ErrorKind, "EInOutError");
  expectUnchanged(project);
}

}  // namespace

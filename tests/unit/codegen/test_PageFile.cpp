#include "codegen/PageFile.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// é (U+00E9), € (U+20AC), – (U+2013), ü (U+00FC) and 😀 (U+1F600) in UTF-8.
const std::string kEAcute = "\xC3\xA9";
const std::string kEuro = "\xE2\x82\xAC";
const std::string kEnDash = "\xE2\x80\x93";
const std::string kUUmlaut = "\xC3\xBC";
const std::string kEmoji = "\xF0\x9F\x98\x80";

const std::string kPage = "<p>" + kEAcute + " " + kEuro + " " + kEnDash + " " + kUUmlaut + " " +
                          kEmoji + "</p>\r\n<p>end</p>";

TEST(PageFileTest, ExactlyUtf8LeavesThePageAlone) {
  EXPECT_EQ(ConvertPageEncoding(kPage, "utf-8"), kPage);
}

TEST(PageFileTest, EntitiesFirstThenTheCodePageWithReferencesForTheRest) {
  struct Case {
    std::string encoding, expected;
  };
  const Case cases[] = {
      // Another spelling of UTF-8: entities, the other characters stay UTF-8.
      {"UTF-8",
       "<p>" + kEAcute + " &euro; " + kEnDash + " &uuml; " + kEmoji + "</p>\r\n<p>end</p>"},
      {"utf8", "<p>" + kEAcute + " &euro; " + kEnDash + " &uuml; " + kEmoji + "</p>\r\n<p>end</p>"},
      // ISO-8859-1 has é but no en dash.
      {"iso-8859-1", "<p>\xE9 &euro; &#8211; &uuml; &#128512;</p>\r\n<p>end</p>"},
      {"ISO-8859-1", "<p>\xE9 &euro; &#8211; &uuml; &#128512;</p>\r\n<p>end</p>"},
      {"Latin1", "<p>\xE9 &euro; &#8211; &uuml; &#128512;</p>\r\n<p>end</p>"},
      // windows-1252 has the en dash as 0x96; unknown names get it too.
      {"windows-1252", "<p>\xE9 &euro; \x96 &uuml; &#128512;</p>\r\n<p>end</p>"},
      {"Windows-1252", "<p>\xE9 &euro; \x96 &uuml; &#128512;</p>\r\n<p>end</p>"},
      {"", "<p>\xE9 &euro; \x96 &uuml; &#128512;</p>\r\n<p>end</p>"},
      {"no-such-encoding", "<p>\xE9 &euro; \x96 &uuml; &#128512;</p>\r\n<p>end</p>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertPageEncoding(kPage, c.encoding), c.expected) << c.encoding;
}

TEST(PageFileTest, ScriptAndStyleContentsGetTheirOwnEscapesInsteadOfEntities) {
  const std::string alert =
      "alert(\"Bitte f" + kUUmlaut + "llen " + kEnDash + " " + kEmoji + " " + kEuro + "\");";
  struct Case {
    std::string page, encoding, expected;
  };
  const Case cases[] = {
      // windows-1252 holds ü, the en dash and € as bytes; the emoji is escaped.
      {"<p>" + kUUmlaut + "</p><script>" + alert + "</script><p>" + kEuro + "</p>", "windows-1252",
       "<p>&uuml;</p><script>alert(\"Bitte f\xFCllen \x96 \\uD83D\\uDE00 "
       "\x80\");</script><p>&euro;</p>"},
      {"<script type=\"text/javascript\">" + alert + "</script>", "iso-8859-1",
       "<script type=\"text/javascript\">alert(\"Bitte f\xFCllen \\u2013 \\uD83D\\uDE00 "
       "\\u20AC\");</script>"},
      {"<SCRIPT>" + kEnDash + "</Script>" + kEnDash, "iso-8859-1",
       "<SCRIPT>\\u2013</Script>&#8211;"},
      {"<style>p { font-family: \"A" + kEnDash + "\"; }</style>" + kEnDash, "iso-8859-1",
       "<style>p { font-family: \"A\\2013 \"; }</style>&#8211;"},
      {"<script>a\xFF</script>", "iso-8859-1", "<script>a\\uFFFD</script>"},
      {"<script>" + kUUmlaut + "</script><p>" + kUUmlaut + "</p>", "UTF-8",
       "<script>" + kUUmlaut + "</script><p>&uuml;</p>"},
      // Not a script element: a commented-out tag, a longer tag name.
      {"<!-- <script> -->" + kUUmlaut + "<scripts>" + kUUmlaut, "iso-8859-1",
       "<!-- <script> -->&uuml;<scripts>&uuml;"},
      // A script that is never closed runs to the end of the page.
      {"<p>" + kUUmlaut + "<script>" + kUUmlaut, "iso-8859-1", "<p>&uuml;<script>\xFC"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertPageEncoding(c.page, c.encoding), c.expected) << c.page;
}

TEST(PageFileTest, InvalidUtf8BecomesReplacementReferences) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\xFF"
       "b",
       "a&#65533;b"},          // a byte that never starts a sequence
      {"a\xC3", "a&#65533;"},  // cut off at the end
      {"a\xE2\x80", "a&#65533;&#65533;"},
      {"\xC0\xAF", "&#65533;&#65533;"},                // overlong "/"
      {"\xED\xA0\x80!", "&#65533;&#65533;&#65533;!"},  // a surrogate
      {"\xC3(\xC3\xA9", "&#65533;(\xE9"},              // recovery right after the bad byte
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(ConvertPageEncoding(text, "iso-8859-1"), expected) << text;
}

TEST(PageFileTest, LongPagesAreConvertedWhole) {
  // Runs of convertible text longer than any conversion buffer, between
  // characters that need references.
  std::string page;
  std::string expected;
  for (int run = 0; run < 3; ++run) {
    for (int i = 0; i < 5000; ++i) {
      page += "x" + kEAcute;
      expected += "x\xE9";
    }
    page += kEnDash;
    expected += "&#8211;";
  }
  EXPECT_EQ(ConvertPageEncoding(page, "iso-8859-1"), expected);
}

class PageFileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quazel-pagefile-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path dir_;
};

TEST_F(PageFileWriteTest, WritesTheConvertedPageAndOneCrLfWithoutBom) {
  const fs::path path = dir_ / "page.htm";
  Write(path, "an older and much longer page that must be replaced completely");

  ASSERT_EQ(WritePageFile(path.string(), kPage, "iso-8859-1"), "");
  EXPECT_EQ(Read(path), "<p>\xE9 &euro; &#8211; &uuml; &#128512;</p>\r\n<p>end</p>\r\n");

  ASSERT_EQ(WritePageFile(path.string(), kPage, "utf-8"), "");
  EXPECT_EQ(Read(path), kPage + "\r\n");

  ASSERT_EQ(WritePageFile(path.string(), "", "utf-8"), "");
  EXPECT_EQ(Read(path), "\r\n");
}

// Large pages are converted and written in slices; a slice boundary must
// never cut a character, an entity or an escape in two.
TEST_F(PageFileWriteTest, LargePagesComeOutAsIfConvertedWhole) {
  struct Case {
    const char* what;
    std::string page, expected;
  };
  auto times = [](const std::string& unit, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += unit;
    return out;
  };
  const Case cases[] = {
      {"markup with entities and references throughout",
       times("<p>" + kUUmlaut + kEuro + kEnDash + "x</p>", 20000),
       times("<p>&uuml;&euro;&#8211;x</p>", 20000)},
      {"a run without any ASCII byte longer than a slice", "<p>" + times(kEAcute, 70000) + "</p>",
       "<p>" + std::string(70000, '\xE9') + "</p>"},
      {"a long script", "<script>" + times("a" + kEnDash, 40000) + "</script>",
       "<script>" + times("a\\u2013", 40000) + "</script>"},
  };
  const fs::path path = dir_ / "page.htm";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ConvertPageEncoding(c.page, "iso-8859-1"), c.expected);
    ASSERT_EQ(WritePageFile(path.string(), c.page, "iso-8859-1"), "");
    EXPECT_EQ(Read(path), c.expected + "\r\n");
  }
}

TEST_F(PageFileWriteTest, MissingFolderIsReportedAndNothingIsWritten) {
  const fs::path path = dir_ / "missing" / "page.htm";
  EXPECT_NE(WritePageFile(path.string(), kPage, "utf-8"), "");
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(PageFileWriteTest, FailedWriteKeepsTheOldFile) {
  const fs::path path = dir_ / "page.htm";
  const std::string old = "<p>old page</p>\r\n";
  Write(path, old);

  // A file size limit makes the write itself fail, even for root.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string message = WritePageFile(path.string(), std::string(4096, 'x'), "utf-8");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);

  EXPECT_NE(message, "");
  EXPECT_EQ(Read(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace

#include "model/SafeFileWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ProjectTestSupport.h"

using namespace projecttest;

namespace {

TEST(SerializeXmlTest, WritesDeclarationIndentationAndCrLfEverywhere) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("xml");
  pugi::xml_node list = root.append_child("liste");
  list.append_child("wert").text().set("a & b < c > d");
  list.append_child("leer");
  // Values hold LF line breaks; each becomes CR LF in the file.
  root.append_child("memo").text().set("Zeile 1\nZeile 2\n\nÄnde");
  EXPECT_EQ(SerializeXml(doc),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
            "<xml>\r\n"
            "  <liste>\r\n"
            "    <wert>a &amp; b &lt; c &gt; d</wert>\r\n"
            "    <leer />\r\n"
            "  </liste>\r\n"
            "  <memo>Zeile 1\r\nZeile 2\r\n\r\nÄnde</memo>\r\n"
            "</xml>\r\n");
}

class SafeFileWriterTest : public FolderTest {};

TEST_F(SafeFileWriterTest, CreatesAndReplacesFilesLeavingNoTemporaryFiles) {
  const fs::path path = work / "datei.xml";
  EXPECT_EQ(WriteFileAtomically(path.string(), "erste\r\n"), "");
  EXPECT_EQ(ReadFile(path), "erste\r\n");
  EXPECT_EQ(WriteFileAtomically(path.string(), ""), "");
  EXPECT_EQ(ReadFile(path), "");
  const std::string big(3 * 1024 * 1024 + 17, 'x');
  EXPECT_EQ(WriteFileAtomically(path.string(), big), "");
  EXPECT_EQ(ReadFile(path), big);
  EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"datei.xml"});
}

// Bytes made while they are written: pieces of every size arrive in order,
// and a failure while making them leaves the old file and no temporary file.
TEST_F(SafeFileWriterTest, WritesBytesAsTheyAreMadeAndKeepsTheOldFileWhenMakingThemFails) {
  const fs::path path = work / "datei.xml";
  const std::string large(200 * 1024, 'g');
  ASSERT_EQ(WriteFileAtomically(path.string(),
                                [&](const TByteSink& sink) {
                                  for (int i = 0; i < 20000; ++i) sink("k");
                                  sink(large);
                                  sink("");
                                  sink("ende\r\n");
                                }),
            "");
  EXPECT_EQ(ReadFile(path), std::string(20000, 'k') + large + "ende\r\n");

  WriteFile(path, "alt");
  EXPECT_THROW(WriteFileAtomically(path.string(),
                                   [&](const TByteSink& sink) {
                                     sink(large);
                                     throw std::runtime_error("kaputt");
                                   }),
               std::runtime_error);
  EXPECT_EQ(ReadFile(path), "alt");
  EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"datei.xml"});
}

TEST_F(SafeFileWriterTest, KeepsThePermissionsOfTheReplacedFile) {
  const fs::path path = work / "p.qzf";
  WriteFile(path, "alt");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(WriteFileAtomically(path.string(), "neu"), "");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);

  // A new file is not left private to its owner as a bare temporary file is.
  const mode_t mask = ::umask(022);
  ASSERT_EQ(WriteFileAtomically((work / "neu.qzf").string(), "x"), "");
  ::umask(mask);
  ASSERT_EQ(::stat((work / "neu.qzf").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST_F(SafeFileWriterTest, SavingThroughASymbolicLinkUpdatesTheLinkedFile) {
  WriteFile(work / "echt.qzf", "alt");
  fs::create_symlink(work / "echt.qzf", work / "link.qzf");
  ASSERT_EQ(WriteFileAtomically((work / "link.qzf").string(), "neu"), "");
  EXPECT_TRUE(fs::is_symlink(work / "link.qzf"));
  EXPECT_EQ(ReadFile(work / "echt.qzf"), "neu");
}

TEST_F(SafeFileWriterTest, AFailureLeavesTheTargetAndTheFolderAsTheyWere) {
  // The target's folder is missing.
  const std::string missing = WriteFileAtomically((work / "fehlt" / "a.xml").string(), "x");
  EXPECT_NE(missing.find("No such file or directory"), std::string::npos) << missing;
  // A folder stands where the file should go: the rename fails.
  fs::create_directories(work / "ordner.xml" / "inhalt");
  const std::string taken = WriteFileAtomically((work / "ordner.xml").string(), "x");
  EXPECT_FALSE(taken.empty());
  EXPECT_TRUE(fs::is_directory(work / "ordner.xml" / "inhalt"));
  EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"ordner.xml"});

  if (::geteuid() == 0) return;  // permissions do not bind the superuser
  WriteFile(work / "alt.xml", "alt");
  fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
  const std::string denied = WriteFileAtomically((work / "alt.xml").string(), "neu");
  fs::permissions(work, fs::perms::owner_all);
  EXPECT_NE(denied.find("Permission denied"), std::string::npos) << denied;
  EXPECT_EQ(ReadFile(work / "alt.xml"), "alt");
}

TEST_F(SafeFileWriterTest, ANameNearTheLengthLimitCanStillBeSaved) {
  const fs::path path = work / (std::string(250, 'n') + ".qzf");
  EXPECT_EQ(WriteFileAtomically(path.string(), "x"), "");
  EXPECT_EQ(ReadFile(path), "x");
}

std::string Nested(int depth, const std::string& leaf = "") {
  std::string s;
  for (int i = 0; i < depth; ++i) s += "<e>";
  s += leaf;
  for (int i = 0; i < depth; ++i) s += "</e>";
  return s;
}

TEST(ParseXmlTextTest, AcceptsWellFormedDocuments) {
  std::string manySiblings = "<r>";
  for (int i = 0; i < 5000; ++i) manySiblings += "<leer/><x a=\"1\" />";
  manySiblings += "</r>";
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"deepest allowed", Nested(kMaxXmlDepth)},
      {"many empty siblings", manySiblings},
      {"markup inside comment, CDATA and attribute",
       "<r><!-- " + Nested(400) + " --><![CDATA[" + Nested(400) + "]]><a t=\"<b>/\"/></r>"},
      {"declaration, BOM and processing instruction",
       "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?><?pi x?><r>Ä€😀</r>"},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    pugi::xml_document doc;
    TXmlReadError error;
    EXPECT_TRUE(ParseXmlText(text, doc, error)) << error.Message;
    EXPECT_TRUE(doc.document_element());
  }
}

TEST(ParseXmlTextTest, RefusesWhatPugixmlWouldAcceptOrChokeOn) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty", ""},
      {"too deep", Nested(kMaxXmlDepth + 1)},
      {"far too deep", Nested(200000)},
      {"two document elements", "<a/><b/>"},
      {"text only", "kein XML"},
      {"unclosed", "<a><b></a>"},
      {"NUL byte", std::string("<a>x\0y</a>", 10)},
      {"stray continuation byte", "<a>\x80</a>"},
      {"overlong encoding", "<a>\xC0\xAF</a>"},
      {"encoded surrogate", "<a>\xED\xA0\x80</a>"},
      {"beyond U+10FFFF", "<a>\xF4\x90\x80\x80</a>"},
      {"cut multi-byte sequence", "<a>\xE2\x82"},
      {"Latin-1 text", "<a>K\xF6ln</a>"},
  };
  for (const auto& [what, text] : cases) {
    SCOPED_TRACE(what);
    pugi::xml_document doc;
    TXmlReadError error;
    EXPECT_FALSE(ParseXmlText(text, doc, error));
    EXPECT_EQ(error.Kind, "EXMLReadError");
    EXPECT_FALSE(error.Message.empty());
    EXPECT_FALSE(doc.first_child());
  }
}

TEST_F(SafeFileWriterTest, ReadXmlFileReportsUnreadableFilesAsInputOutputErrors) {
  pugi::xml_document doc;
  TXmlReadError error;
  EXPECT_FALSE(ReadXmlFile((work / "fehlt.xml").string(), doc, error));
  EXPECT_EQ(error.Kind, "EInOutError");
  EXPECT_FALSE(ReadXmlFile(work.string(), doc, error));
  EXPECT_EQ(error.Kind, "EInOutError");

  WriteFile(work / "ok.xml", "<r><w>1</w></r>");
  EXPECT_TRUE(ReadXmlFile((work / "ok.xml").string(), doc, error));
  EXPECT_STREQ(doc.child("r").child_value("w"), "1");
}

}  // namespace

#include "model/ProjectFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "ProjectTestSupport.h"
#include "shell/Base64.h"

using namespace projecttest;

namespace {

const char* kHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<xml>\r\n"
    "  <FileInfo>\r\n"
    "    <Prog>Quazel</Prog>\r\n"
    "    <Version>1</Version>\r\n"
    "  </FileInfo>\r\n"
    "  <FileContent>\r\n";

// A project file holding only the given FileContent settings (and an empty
// field list) in the program's own frame.
std::string FileWithSettings(const std::string& settings, const std::string& items = "") {
  return std::string(kHead) + settings + "<ItemList>" + items + "</ItemList></FileContent></xml>";
}

class ProjectFileTest : public FolderTest {
 protected:
  fs::path Write(const std::string& name, const std::string& bytes) {
    WriteFile(work / name, bytes);
    return work / name;
  }
  LoadResult Load(const fs::path& path, TProject& project) {
    return LoadProject(path.string(), project, env);
  }
  TLoadEnv env;
};

TEST_F(ProjectFileTest, SaveLoadSaveGivesTheSameBytesForEveryFieldTypeAndSetting) {
  const TProject original = AllFieldsProject();
  const fs::path path = work / "all.qzf";
  ASSERT_TRUE(SaveProject(path.string(), original).Ok);
  const std::string saved = ReadFile(path);
  EXPECT_EQ(saved, ProjectToXml(original));

  TProject loaded;
  const LoadResult result = Load(path, loaded);
  ASSERT_TRUE(result.Ok) << result.Details();
  EXPECT_EQ(loaded.Settings, original.Settings);
  ASSERT_EQ(loaded.Fields.Count(), original.Fields.Count());
  for (int i = 0; i < loaded.Fields.Count(); ++i)
    EXPECT_EQ(loaded.Fields[i].ClassName(), original.Fields[i].ClassName()) << i;
  EXPECT_EQ(ProjectToXml(loaded), saved);
}

TEST_F(ProjectFileTest, WritesEverySettingInTableOrderWithTheTemplateTwice) {
  TProject project;  // initial values: many empty texts, no own templates
  project.Settings.HtmlTemplate = "<p>\r\nÄ</p>";
  project.Fields.Add(std::make_unique<TZwField>());
  const std::string text = ProjectToXml(project);
  ASSERT_EQ(text.rfind(kHead, 0), 0u) << text.substr(0, 300);
  EXPECT_NE(text.find("\r\n    <edtFormTitel />\r\n"), std::string::npos);
  // Only CR LF line ends, and a final one.
  for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
    ASSERT_EQ(text[i - 1], '\r') << "bare LF at " << i;
  EXPECT_EQ(text.substr(text.size() - 8), "</xml>\r\n");

  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(text.c_str()));
  std::vector<std::string> expected;
  for (const TSettingKey& key : ProjectSettingKeys()) expected.push_back(key.Key);
  expected.push_back("ItemList");
  std::vector<std::string> written;
  pugi::xml_node content = doc.child("xml").child("FileContent");
  for (pugi::xml_node n : content.children()) written.push_back(n.name());
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.size(), 105u);

  std::vector<std::string> templates;
  for (pugi::xml_node n : content.children("HtmlTemplate")) templates.push_back(n.child_value());
  ASSERT_EQ(templates.size(), 2u);
  EXPECT_EQ(templates[0], Base64Encode("<p>\r\nÄ</p>"));
  EXPECT_EQ(templates[1], templates[0]);
  EXPECT_STREQ(content.child("HtmlTemplateBootstrap").child_value(), "");
  EXPECT_STREQ(content.child("ItemList").child("forms").child_value("typ"), "TZwField");
}

TEST_F(ProjectFileTest, MissingOrEmptySettingsLoadWithTheirDefaults) {
  env.Language = "English";
  env.FormMailerLinks = {"https://first.example/fm.php", "https://second.example/fm.php"};
  const TProject previous = AllFieldsProject();

  // Empty elements for every setting, then no setting elements at all.
  std::string empties;
  for (const TSettingKey& key : ProjectSettingKeys()) empties += "<" + std::string(key.Key) + "/>";
  for (const std::string& settings : {std::string(), empties}) {
    SCOPED_TRACE(settings.empty() ? "no elements" : "empty elements");
    TProject project = AllFieldsProject();
    const LoadResult result = Load(Write("defaults.qzf", FileWithSettings(settings)), project);
    ASSERT_TRUE(result.Ok) << result.Details();

    TProjectSettings expected;
    expected.cboMailFormat = previous.Settings.cboMailFormat;  // an unknown format keeps it
    expected.HtmlTemplate = previous.Settings.HtmlTemplate;    // only an own template replaces
    expected.HtmlTemplateBootstrap = previous.Settings.HtmlTemplateBootstrap;
    expected.CaptchaErrorMessage = kCaptchaEn;
    expected.cboFormMailer = "https://first.example/fm.php";
    EXPECT_EQ(project.Settings, expected);
    EXPECT_EQ(project.Settings.cboTarget, "_self");
    EXPECT_EQ(project.Settings.encoding, "windows-1252");
    EXPECT_TRUE(project.Settings.Bootstrap_CheckBoxSendButton);
    EXPECT_EQ(project.Fields.Count(), 0);
  }
}

TEST_F(ProjectFileTest, ValuesAreReadByTheLoadRules) {
  struct Case {
    const char* element;
    const char* text;
    std::string (*got)(const TProjectSettings&);
    const char* expected;
  };
  const std::vector<Case> cases = {
      {"chkCaptcha", "true", [](const TProjectSettings& s) { return std::to_string(s.chkCaptcha); },
       "1"},
      {"chkCaptcha", "TRUE", [](const TProjectSettings& s) { return std::to_string(s.chkCaptcha); },
       "1"},
      {"chkCaptcha", "1", [](const TProjectSettings& s) { return std::to_string(s.chkCaptcha); },
       "1"},
      {"chkCaptcha", "-1", [](const TProjectSettings& s) { return std::to_string(s.chkCaptcha); },
       "1"},
      {"chkCaptcha", "False",
       [](const TProjectSettings& s) { return std::to_string(s.chkCaptcha); }, "0"},
      {"Bootstrap_CheckBoxResetButton", "0",
       [](const TProjectSettings& s) { return std::to_string(s.Bootstrap_CheckBoxResetButton); },
       "0"},
      {"cboTabAusrichtung", "zentriert",
       [](const TProjectSettings& s) { return std::to_string(s.cboTabAusrichtung); }, "0"},
      {"cboTabAusrichtung", "1",
       [](const TProjectSettings& s) { return std::to_string(s.cboTabAusrichtung); }, "1"},
      {"cboMailFormat", "plain", [](const TProjectSettings& s) { return s.cboMailFormat; },
       "plain"},
      {"cboMailFormat", "HTML", [](const TProjectSettings& s) { return s.cboMailFormat; }, "xml"},
      {"cboMailFormat", "html ", [](const TProjectSettings& s) { return s.cboMailFormat; }, "xml"},
      {"HtmlTemplate", "PGI+\r\nS2xhcg==\r\n!",
       [](const TProjectSettings& s) { return s.HtmlTemplate; }, "<b>Klar"},
      {"memoMailtext", "eins\nzwei", [](const TProjectSettings& s) { return s.memoMailtext; },
       "eins\r\nzwei"},
      {"edtFormTitel", "a &amp; &lt;b&gt;",
       [](const TProjectSettings& s) { return s.edtFormTitel; }, "a & <b>"},
      {"cboFormMailer", "", [](const TProjectSettings& s) { return s.cboFormMailer; }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.element) + " = \"" + c.text + "\"");
    TProject project = AllFieldsProject();  // cboMailFormat "xml" before the load
    const std::string setting =
        std::string("<") + c.element + ">" + c.text + "</" + c.element + ">";
    const LoadResult result = Load(Write("rule.qzf", FileWithSettings(setting)), project);
    ASSERT_TRUE(result.Ok) << result.Details();
    EXPECT_EQ(c.got(project.Settings), c.expected);
  }
}

TEST_F(ProjectFileTest, LoadingReplacesTheWholeFieldList) {
  TProject project = AllFieldsProject();
  ASSERT_GT(project.Fields.Count(), 3);
  const std::string items =
      "<forms><name>a</name><typ>TEinzField</typ></forms>"
      "<forms><name>b</name><typ>TCheckBoxField</typ></forms>"
      "<forms><name>c</name><typ>TZwField</typ></forms>";
  ASSERT_TRUE(Load(Write("three.qzf", FileWithSettings("", items)), project).Ok);
  ASSERT_EQ(project.Fields.Count(), 3);
  EXPECT_EQ(project.Fields[0].Name, "a");
  EXPECT_EQ(project.Fields[1].ClassName(), "TCheckBoxField");
  EXPECT_EQ(project.Fields[2].Name, "c");
}

// Every kind of damaged file is reported with the interface text and the
// details of the error dialog, and the current project stays as it was.
TEST_F(ProjectFileTest, BrokenFilesFailCleanlyAndLeaveTheProjectUntouched) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* kind;
    const char* message;  // a part of the message
  };
  std::string deep = std::string(kHead) + "<ItemList><forms><typ>TZwField</typ>";
  for (int i = 0; i < 300; ++i) deep += "<d>";
  for (int i = 0; i < 300; ++i) deep += "</d>";
  deep += "</forms></ItemList></FileContent></xml>";
  std::string garbage;
  for (int i = 0; i < 512; ++i) garbage += static_cast<char>((i * 73 + 11) % 256);
  const std::string item = "<forms><name>x</name><typ>TEinzField</typ></forms>";
  const std::string good = FileWithSettings("", item);

  const std::vector<Case> cases = {
      {"empty", "", "EXMLReadError", "empty"},
      {"not XML", "Quazel project\r\n", "EXMLReadError", ""},
      {"truncated", good.substr(0, good.size() / 2), "EXMLReadError", ""},
      {"two roots", good + "<xml/>", "EXMLReadError", "document element"},
      {"invalid UTF-8", FileWithSettings("<edtFormTitel>K\xC3\x28ln</edtFormTitel>"),
       "EXMLReadError", "UTF-8"},
      {"binary", garbage, "EXMLReadError", ""},
      {"deep nesting", deep, "EXMLReadError", "256"},
      {"Prog with a blank",
       "<xml><FileInfo><Prog>Quazel </Prog></FileInfo><FileContent><ItemList/></FileContent></xml>",
       "Exception", "Wrong File"},
      {"no Prog", "<xml><FileInfo/><FileContent><ItemList/></FileContent></xml>", "Exception",
       "Wrong File"},
      {"no FileInfo", "<xml><FileContent><ItemList/></FileContent></xml>", "Exception", "FileInfo"},
      {"no FileContent", "<xml><FileInfo><Prog>Quazel</Prog></FileInfo></xml>", "Exception",
       "FileContent"},
      {"no ItemList", "<xml><FileInfo><Prog>Quazel</Prog></FileInfo><FileContent/></xml>",
       "Exception", "ItemList"},
      {"bad Boolean", FileWithSettings("<chkAbsender>ja</chkAbsender>"), "EConvertError",
       "\"ja\" is not a valid boolean."},
      {"bad Bootstrap Boolean",
       FileWithSettings("<Bootstrap_CheckBoxPrintButton>an</Bootstrap_CheckBoxPrintButton>"),
       "EConvertError", "Bootstrap_CheckBoxPrintButton"},
      {"bad layout", FileWithSettings("<ComboFormType>Bootstrap</ComboFormType>"), "EConvertError",
       "ComboFormType"},
      {"bad column",
       FileWithSettings("<Bootstrap_SpinBoxLeftColumn>zwei</Bootstrap_SpinBoxLeftColumn>"),
       "EConvertError", "Bootstrap_SpinBoxLeftColumn"},
      {"bad field size",
       FileWithSettings("<Bootstrap_ComboFormFieldSize>1.5</Bootstrap_ComboFormFieldSize>"),
       "EConvertError", "Bootstrap_ComboFormFieldSize"},
      {"bad date format",
       FileWithSettings("<CalendarDesign_cboDateFormat>x</CalendarDesign_cboDateFormat>"),
       "EConvertError", "CalendarDesign_cboDateFormat"},
      {"empty StartYear",
       FileWithSettings(
           "", item + "<forms><typ>TCalField</typ><StartYear/><EndYear>2030</EndYear></forms>"),
       "EConvertError", "Field 2"},
      {"bad pflicht",
       FileWithSettings("", "<forms><typ>TEinzField</typ><pflicht>vielleicht</pflicht></forms>"),
       "EConvertError", "vielleicht"},
      {"unknown typ", FileWithSettings("", item + "<forms><typ>TFooField</typ></forms>"),
       "EUnknownFieldType", "TFooField"},
      {"no typ", FileWithSettings("", "<forms><name>x</name></forms>"), "EUnknownFieldType",
       "damaged"},
  };

  const TProject current = AllFieldsProject();
  const std::string before = ProjectToXml(current);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TProject project = AllFieldsProject();
    const LoadResult result = Load(Write("broken.qzf", c.bytes), project);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Text, kNoProjectDe);
    EXPECT_EQ(result.ErrorKind, c.kind);
    EXPECT_NE(result.Message.find(c.message), std::string::npos) << result.Message;
    EXPECT_EQ(result.Details(),
              "Exception Class:" + result.ErrorKind + "\r\nMessage:" + result.Message);
    EXPECT_EQ(ProjectToXml(project), before);
  }
}

TEST_F(ProjectFileTest, AFileThatCannotBeReadIsAnInputOutputError) {
  for (const fs::path& path : {work / "missing.qzf", work}) {
    SCOPED_TRACE(path.string());
    TProject project = ContactProject();
    const LoadResult result = Load(path, project);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.ErrorKind, "EInOutError");
    EXPECT_NE(result.Message.find(path.string()), std::string::npos) << result.Message;
    EXPECT_EQ(ProjectToXml(project), ProjectToXml(ContactProject()));
  }
}

TEST_F(ProjectFileTest, DoctypeEntitiesAreNeverExpanded) {
  const std::string file =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
      "<!DOCTYPE xml [\r\n"
      "  <!ENTITY a \"EXPANDED\">\r\n"
      "  <!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\r\n"
      "  <!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">\r\n"
      "  <!ENTITY ext SYSTEM \"file:///etc/passwd\">\r\n"
      "]>\r\n"
      "<xml><FileInfo><Prog>Quazel</Prog></FileInfo><FileContent>"
      "<edtFormTitel>&c;</edtFormTitel><edtBetreff>&ext;</edtBetreff>"
      "<ItemList/></FileContent></xml>";
  TProject project;
  const LoadResult result = Load(Write("doctype.qzf", file), project);
  if (result.Ok) {
    EXPECT_EQ(project.Settings.edtFormTitel.find("EXPANDED"), std::string::npos);
    EXPECT_EQ(project.Settings.edtBetreff.find("root"), std::string::npos);
  } else {
    EXPECT_EQ(result.ErrorKind, "EXMLReadError");
  }
}

TEST_F(ProjectFileTest, TheRootElementMayHaveAnyName) {
  TProject project;
  const std::string file =
      "<projekt><FileInfo><Prog>Quazel</Prog><Version>7</Version></FileInfo>"
      "<FileContent><edtFormTitel>Hallo</edtFormTitel><ItemList/></FileContent></projekt>";
  const LoadResult result = Load(Write("root.qzf", file), project);
  ASSERT_TRUE(result.Ok) << result.Details();
  EXPECT_EQ(project.Settings.edtFormTitel, "Hallo");
}

class ProjectSaveFailureTest : public ProjectFileTest {};

TEST_F(ProjectSaveFailureTest, AFailedSaveReportsTheErrorAndKeepsWhatWasThere) {
  const TProject project = ContactProject();
  // A missing folder: nothing is created.
  const LoadResult missing = SaveProject((work / "nowhere" / "p.qzf").string(), project);
  EXPECT_FALSE(missing.Ok);
  EXPECT_NE(missing.Message.find("No such file or directory"), std::string::npos)
      << missing.Message;
  EXPECT_FALSE(fs::exists(work / "nowhere"));

  // A folder in the way of the target: it stays, and no temporary file is left.
  fs::create_directories(work / "taken.qzf" / "inside");
  const LoadResult taken = SaveProject((work / "taken.qzf").string(), project);
  EXPECT_FALSE(taken.Ok);
  EXPECT_FALSE(taken.Message.empty());
  EXPECT_TRUE(fs::is_directory(work / "taken.qzf" / "inside"));
  EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"taken.qzf"});
}

TEST_F(ProjectSaveFailureTest, AReadOnlyFolderKeepsThePreviousFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const fs::path path = work / "p.qzf";
  ASSERT_TRUE(SaveProject(path.string(), ContactProject()).Ok);
  const std::string old = ReadFile(path);
  fs::permissions(work, fs::perms::owner_read | fs::perms::owner_exec);
  const LoadResult result = SaveProject(path.string(), AllFieldsProject());
  fs::permissions(work, fs::perms::owner_all);
  EXPECT_FALSE(result.Ok);
  EXPECT_NE(result.Message.find("Permission denied"), std::string::npos) << result.Message;
  EXPECT_EQ(ReadFile(path), old);
  EXPECT_EQ(FolderEntries(work), std::vector<std::string>{"p.qzf"});
}

// The shipped sample projects are exactly what SaveProject writes. Set
// QUAZEL_WRITE_FIXTURES=1 to write them again after a deliberate change.
TEST_F(ProjectFileTest, ShippedSampleProjectsAreWhatSaveProjectWrites) {
  const std::vector<std::pair<std::string, TProject>> samples = [] {
    std::vector<std::pair<std::string, TProject>> v;
    v.emplace_back("contact.qzf", ContactProject());
    v.emplace_back("all-fields.qzf", AllFieldsProject());
    return v;
  }();
  for (const auto& [name, project] : samples) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path(QUAZEL_FIXTURES_DIR) / name;
    if (std::getenv("QUAZEL_WRITE_FIXTURES")) {
      ASSERT_TRUE(SaveProject(path.string(), project).Ok);
    }
    EXPECT_EQ(ReadFile(path), ProjectToXml(project));
    TProject loaded;
    ASSERT_TRUE(Load(path, loaded).Ok);
    EXPECT_EQ(ProjectToXml(loaded), ReadFile(path));
  }
}

}  // namespace

// A value of blanks only (a spacer label, a one-blank caption) is data too and
// must come back from the file as it was written.
TEST_F(ProjectFileTest, ValuesOfBlanksOnlySurviveSaveAndLoad) {
  TProject original;
  original.Settings.edtSendenButton = " ";
  original.Settings.memoTextEnde = "  \r\n  ";
  original.Settings.CaptchaErrorMessage = "Falscher Code";
  auto field = std::make_unique<TZwField>();
  field->Beschriftung = "   ";
  original.Fields.Add(std::move(field));
  const fs::path path = work / "blanks.qzf";
  ASSERT_TRUE(SaveProject(path.string(), original).Ok);

  TProject loaded;
  const LoadResult result = Load(path, loaded);
  ASSERT_TRUE(result.Ok) << result.Details();
  EXPECT_EQ(loaded.Settings.edtSendenButton, " ");
  EXPECT_EQ(loaded.Settings.memoTextEnde, "  \r\n  ");
  EXPECT_EQ(loaded.Fields[0].Beschriftung, "   ");
  EXPECT_EQ(ProjectToXml(loaded), ReadFile(path));
}

#include "model/NewProject.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ProjectTestSupport.h"

using namespace projecttest;

namespace {

class NewProjectTest : public FolderTest {
 protected:
  // Saves a small default project into the installation folder; its heading
  // tells which file was loaded.
  void Install(const std::string& name, int layout = 0, const std::string& width = "75 %") {
    TProject p;
    p.Settings.edtFormTitel = name;
    p.Settings.ComboFormType = layout;
    p.Settings.edtTabWidth = width;
    auto field = std::make_unique<TEinzField>();
    field->Name = "name";
    p.Fields.Add(std::move(field));
    ASSERT_TRUE(SaveProject((programDir / name).string(), p).Ok);
  }
  TLoadEnv env;
};

TEST_F(NewProjectTest, TheLanguageCodeChoosesTheFileAndTheGermanOneStandsIn) {
  Install("default_de.qzf");
  Install("default_en.qzf");
  Install("default_Deutsch.qzf");
  struct Case {
    const char* language;
    const char* file;
  };
  const std::vector<Case> cases = {
      {"Deutsch", "default_de.qzf"},
      {"English", "default_en.qzf"},
      {"Italiano", "default_Deutsch.qzf"},  // no default_it.qzf installed
      {"Français", "default_Deutsch.qzf"},
      {"Klingon", "default_en.qzf"},  // any other language has the code "en"
      {"francais", "default_en.qzf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(DefaultProjectFile(c.language), (programDir / c.file).string());
    TProject project;
    const LoadResult result = LoadDefaultProject(c.language, std::nullopt, env, project);
    ASSERT_TRUE(result.Ok) << result.Details();
    EXPECT_EQ(project.Settings.edtFormTitel, c.file);
  }
}

TEST_F(NewProjectTest, AChosenLayoutReplacesTheFilesLayoutAndResetsTheWidth) {
  struct Case {
    int fileLayout;
    std::optional<int> chosen;
    int layout;
    const char* width;
  };
  const std::vector<Case> cases = {
      {0, 1, 1, "80%"},
      {1, 0, 0, "500px"},
      {0, 0, 0, "500px"},            // the same layout resets the width all the same
      {1, std::nullopt, 1, "75 %"},  // chooser closed: the file's values stay
      {0, std::nullopt, 0, "75 %"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("file layout " + std::to_string(c.fileLayout) + ", chosen " +
                 (c.chosen ? std::to_string(*c.chosen) : "none"));
    Install("default_de.qzf", c.fileLayout);
    TProject project;
    ASSERT_TRUE(LoadDefaultProject("Deutsch", c.chosen, env, project).Ok);
    EXPECT_EQ(project.Settings.ComboFormType, c.layout);
    EXPECT_EQ(project.Settings.edtTabWidth, c.width);
    EXPECT_EQ(project.Fields.Count(), 1);
  }
}

TEST_F(NewProjectTest, AnUnknownLayoutChangesNothing) {
  TProjectSettings settings;
  settings.ComboFormType = 1;
  settings.edtTabWidth = "650px";
  SetFormType(settings, 2);
  SetFormType(settings, -1);
  EXPECT_EQ(settings.ComboFormType, 1);
  EXPECT_EQ(settings.edtTabWidth, "650px");
}

// The new project starts from the default file alone: nothing of the project
// open before, not even its own page templates (which a file with empty
// template elements would otherwise leave in place).
TEST_F(NewProjectTest, NothingOfThePreviousProjectSurvives) {
  Install("default_de.qzf", 1, "80%");
  TProject project = AllFieldsProject();
  ASSERT_FALSE(project.Settings.HtmlTemplate.empty());
  ASSERT_TRUE(LoadDefaultProject("Deutsch", 0, env, project).Ok);

  TProject expected;
  ASSERT_TRUE(LoadProject((programDir / "default_de.qzf").string(), expected, env).Ok);
  SetFormType(expected.Settings, 0);
  EXPECT_EQ(ProjectToXml(project), ProjectToXml(expected));
  EXPECT_EQ(project.Settings.HtmlTemplate, "");
  EXPECT_EQ(project.Settings.HtmlTemplateBootstrap, "");
}

TEST_F(NewProjectTest, FailuresLeaveTheProjectAsItWas) {
  const TProject before = AllFieldsProject();
  struct Case {
    const char* what;
    std::optional<std::string> ownFile;  // the bytes of default_de.qzf, if any
    bool german;                         // default_Deutsch.qzf installed
    const char* kind;                    // the error kind, where it is fixed
  };
  const std::vector<Case> cases = {
      {"no default project at all", std::nullopt, false, "EInOutError"},
      // The language's own file exists, so it is taken although it is
      // damaged; the German one does not stand in for it.
      {"damaged own file", "<xml><FileInfo>", true, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(programDir / "default_de.qzf");
    fs::remove(programDir / "default_Deutsch.qzf");
    if (c.ownFile) WriteFile(programDir / "default_de.qzf", *c.ownFile);
    if (c.german) Install("default_Deutsch.qzf");
    TProject project = AllFieldsProject();
    const LoadResult result = LoadDefaultProject("Deutsch", 1, env, project);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Text, kNoProjectDe);
    if (c.kind) {
      EXPECT_EQ(result.ErrorKind, c.kind);
    }
    EXPECT_EQ(ProjectToXml(project), ProjectToXml(before));
  }
}

}  // namespace

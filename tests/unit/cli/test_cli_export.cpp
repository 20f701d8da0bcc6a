// quazel-cli export, run as the built program: the page on standard output,
// the page file with -o, a fixed form number, and a missing template.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CliTestSupport.h"
#include "codegen/PageFile.h"
#include "codegen/uCodeExport.h"
#include "model/ProjectFile.h"

using namespace clitest;

namespace {

class CliExportTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    project = ContactProject();
    project.Settings.edtBetreff = "Anfrage über das Formular";
  }

  // Saves project to work/name and returns the path.
  std::string Save(const std::string& name) {
    const std::string path = (work / name).string();
    EXPECT_TRUE(SaveProject(path, project).Ok);
    return path;
  }

  // The page as the exporter makes it in this process from the saved file.
  std::string Expected(const std::string& path, long formId) {
    TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
    TProject loaded;
    EXPECT_TRUE(LoadProject(path, loaded, TLoadEnv{}).Ok);
    TExportOptions options;
    options.FormId = formId;
    return TExportFactory::BuildCode(loaded.Settings.ComboFormType, loaded, options);
  }

  TProject project;
};

TEST_F(CliExportTest, WritesThePageRawToStandardOutput) {
  for (int layout : {0, 1}) {
    project.Settings.ComboFormType = layout;
    const std::string path = Save("kontakt.qzf");
    const RunResult r = Run({"export", path, "--form-id", "4711", "--language", "Deutsch",
                             "--program-dir", QUAZEL_DATA_DIR});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, Expected(path, 4711)) << layout;
    // No entities, no code page: the subject stays UTF-8.
    EXPECT_NE(r.Out.find("Anfrage über das Formular"), std::string::npos);
    EXPECT_NE(r.Out.find("value=\"4711\""), std::string::npos);
  }
}

TEST_F(CliExportTest, WritesThePageFileInTheProjectsEncoding) {
  struct Case {
    const char* encoding;
    const char* subject;  // as the file holds it
  };
  const Case cases[] = {{"utf-8", "Anfrage über das Formular"},
                        {"iso-8859-1", "Anfrage &uuml;ber das Formular"}};
  for (const Case& c : cases) {
    project.Settings.encoding = c.encoding;
    const std::string path = Save("kontakt.qzf");
    const RunResult r = Run({"export", path, "-o", "seite.htm", "--form-id", "12", "--language",
                             "Deutsch", "--program-dir", QUAZEL_DATA_DIR});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, "");
    const std::string file = ReadFile(work / "seite.htm");
    EXPECT_EQ(file, ConvertPageEncoding(Expected(path, 12), c.encoding) + "\r\n") << c.encoding;
    EXPECT_NE(file.find(c.subject), std::string::npos) << c.encoding;
  }
}

TEST_F(CliExportTest, FixedFormNumberMakesTheExportReproducible) {
  project.Settings.chkCaptcha = true;
  const std::string path = Save("kontakt.qzf");
  auto run = [&](const char* id) {
    const RunResult r = Run({"export", path, "--form-id", id, "--program-dir", QUAZEL_DATA_DIR});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    return r.Out;
  };
  const std::string first = run("4711");
  EXPECT_EQ(run("4711"), first);
  EXPECT_NE(first.find("?action=captcha&amp;id=4711"), std::string::npos);

  // Another number changes exactly the form number's places.
  std::string other = run("4712");
  ASSERT_NE(other, first);
  size_t pos = 0;
  while ((pos = other.find("4712", pos)) != std::string::npos) other.replace(pos, 4, "4711");
  EXPECT_EQ(other, first);
}

// programDir holds lang.ini and, in the captcha cases, the page templates and
// the refresh script, but never the captcha block.
TEST_F(CliExportTest, MissingTemplateOrSnippetWritesNothing) {
  struct Case {
    int layout;
    bool captcha;
    bool templates;
    const char* missing;  // named in the message
  };
  const Case cases[] = {
      {0, false, false, "template.htm"},
      {1, false, false, "template_bootstrap.htm"},
      {0, true, true, "captcha_html.html"},
      {1, true, true, "captcha_bootstrap.html"},
  };
  for (const Case& c : cases) {
    if (c.templates) {
      fs::create_directories(programDir / "captcha");
      for (const char* name :
           {"template.htm", "template_bootstrap.htm", "captcha/captcha_refresh.js"})
        fs::copy_file(fs::path(QUAZEL_DATA_DIR) / name, programDir / name,
                      fs::copy_options::overwrite_existing);
    }
    project.Settings.ComboFormType = c.layout;
    project.Settings.chkCaptcha = c.captcha;
    const std::string path = Save("kontakt.qzf");

    const RunResult r =
        Run({"export", path, "-o", "seite.htm", "--program-dir", programDir.string()});
    EXPECT_EQ(r.Exit, 3) << c.missing;
    EXPECT_NE(r.Err.find(c.missing), std::string::npos) << r.Err;
    EXPECT_FALSE(fs::exists(work / "seite.htm")) << c.missing;

    const RunResult toStdout = Run({"export", path, "--program-dir", programDir.string()});
    EXPECT_EQ(toStdout.Exit, 3) << c.missing;
    EXPECT_EQ(toStdout.Out, "") << c.missing;
  }
}

TEST_F(CliExportTest, UnreadableProjectExitsWithTwo) {
  WriteFile(work / "kaputt.qzf", "<nicht xml");
  const RunResult r =
      Run({"export", "kaputt.qzf", "-o", "seite.htm", "--program-dir", QUAZEL_DATA_DIR});
  EXPECT_EQ(r.Exit, 2);
  EXPECT_FALSE(fs::exists(work / "seite.htm"));
}

}  // namespace

#pragma once
// Running the built quazel-cli from the tests: a clean environment whose
// per-user folder lies in the test's own folder, with standard output, standard
// error and the exit status captured.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../model/ProjectTestSupport.h"

namespace clitest {

using namespace projecttest;

struct RunResult {
  int Exit = -1;
  std::string Out;
  std::string Err;
};

// s quoted for the shell.
inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

class CliTest : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    home = root / "home";
    xdg = root / "xdg";
    fs::create_directories(home);
    fs::create_directories(xdg);
  }

  // Runs quazel-cli in work with a clean environment whose per-user folder is
  // xdg/Quazel.
  RunResult Run(const std::vector<std::string>& args) {
    std::string cmd = "cd " + Quote(work.string()) +
                      " && env -i PATH=/usr/bin:/bin HOME=" + Quote(home.string()) +
                      " XDG_DATA_HOME=" + Quote(xdg.string()) + " " + Quote(QUAZEL_CLI);
    for (const std::string& a : args) cmd += " " + Quote(a);
    const fs::path out = root / "stdout", err = root / "stderr";
    cmd += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
    const int status = std::system(cmd.c_str());
    RunResult r;
    r.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.Out = ReadFile(out);
    r.Err = ReadFile(err);
    return r;
  }

  fs::path home, xdg;
};

}  // namespace clitest

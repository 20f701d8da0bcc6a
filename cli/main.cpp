// quazel-cli: generates pages from project files and normalises them, for
// scripts and CI.

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "CliCommands.h"
#include "shell/QZPlatform.h"

namespace {

const char* kUsage =
    "usage:\n"
    "  quazel-cli export PROJECT.qzf [-o FILE] [--language NAME] [--form-id N] "
    "[--program-dir DIR]\n"
    "  quazel-cli new --layout 0|1 -o FILE.qzf [--language NAME] [--program-dir DIR]\n"
    "  quazel-cli check PROJECT.qzf [--program-dir DIR]\n"
    "  quazel-cli resave PROJECT.qzf -o FILE.qzf [--program-dir DIR]\n";

int Usage(const std::string& problem) {
  if (!problem.empty()) std::cerr << "quazel-cli: " << problem << "\n";
  std::cerr << kUsage;
  return kExitUsage;
}

bool ParseNumber(const std::string& text, long min, long max, long& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < min || v > max) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.empty()) return Usage("");
  if (a[0] == "-h" || a[0] == "--help") {
    std::cout << kUsage;
    return kExitOk;
  }
  CliArgs args;
  args.Command = a[0];
  if (args.Command != "export" && args.Command != "new" && args.Command != "check" &&
      args.Command != "resave")
    return Usage("unknown command '" + args.Command + "'");

  for (size_t i = 1; i < a.size(); ++i) {
    const std::string& opt = a[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= a.size()) return false;
      out = a[++i];
      return true;
    };
    std::string v;
    if (opt == "-o" || opt == "--output") {
      if (!value(v)) return Usage("-o needs a file name");
      args.Output = v;
    } else if (opt == "--language") {
      if (!value(v)) return Usage("--language needs a name");
      args.Language = v;
    } else if (opt == "--program-dir") {
      if (!value(v)) return Usage("--program-dir needs a folder");
      args.ProgramDir = v;
    } else if (opt == "--form-id") {
      long n = 0;
      if (!value(v) || !ParseNumber(v, 0, 9999999, n))
        return Usage("--form-id needs a number from 0 to 9999999");
      args.FormId = n;
    } else if (opt == "--layout") {
      long n = 0;
      if (!value(v) || !ParseNumber(v, 0, 1, n)) return Usage("--layout needs 0 or 1");
      args.Layout = static_cast<int>(n);
    } else if (!opt.empty() && opt[0] == '-') {
      return Usage("unknown option '" + opt + "'");
    } else if (args.Project.empty()) {
      args.Project = opt;
    } else {
      return Usage("unexpected argument '" + opt + "'");
    }
  }

  if (args.ProgramDir) TQZPlatform::SetProgramDir(*args.ProgramDir);

  if (args.Command == "new") {
    if (!args.Layout) return Usage("new needs --layout 0|1");
    if (!args.Output) return Usage("new needs -o FILE.qzf");
    if (!args.Project.empty()) return Usage("new takes no project file");
    return RunNew(args);
  }
  if (args.Project.empty()) return Usage(args.Command + " needs a project file");
  if (args.Command == "check") return RunCheck(args);
  if (args.Command == "resave") {
    if (!args.Output) return Usage("resave needs -o FILE.qzf");
    return RunResave(args);
  }
  return RunExport(args);
}

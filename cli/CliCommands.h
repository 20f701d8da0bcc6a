#pragma once
// The sub-commands of quazel-cli. Each returns the process exit status.

#include <optional>
#include <string>

enum CliExit { kExitOk = 0, kExitLoad = 2, kExitGenerate = 3, kExitUsage = 64 };

struct CliArgs {
  std::string Command;
  std::string Project;                  // the positional PROJECT.qzf
  std::optional<std::string> Output;    // -o FILE
  std::optional<std::string> Language;  // --language NAME
  std::optional<long> FormId;           // --form-id N
  std::optional<int> Layout;            // --layout 0|1
  std::optional<std::string> ProgramDir;
};

int RunCheck(const CliArgs& args);
int RunResave(const CliArgs& args);
int RunExport(const CliArgs& args);
int RunNew(const CliArgs& args);

struct TProject;

// Loads args.Project as the open command does (the user's formmailer list as
// the fallback address, messages on standard error). On failure prints the
// error text and the details the error dialog would show on standard error and
// returns false; project is then unchanged.
bool LoadForCli(const CliArgs& args, TProject& project);

// The interface language: --language, else the user's settings, else "Deutsch".
std::string CliLanguage(const CliArgs& args);

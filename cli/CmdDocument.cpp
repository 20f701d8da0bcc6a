// check and resave: load a project as the open command does, report it or
// save it again as the save command does.
#include <sys/stat.h>

#include <iostream>
#include <memory>

#include "CliCommands.h"
#include "model/FormMailerManager.h"
#include "model/ProjectFile.h"
#include "shell/ProgramSettings.h"
#include "shell/QZPlatform.h"

bool LoadForCli(const CliArgs& args, TProject& project) {
  // Messages (such as a missing lang.ini) go to standard error.
  TQZPlatform::SetServices(std::make_shared<TConsolePlatformServices>());
  TLoadEnv env;
  env.Language = CliLanguage(args);
  // Reading the user's list creates nothing.
  env.FormMailerLinks = TFormMailerManager::LoadLinks();
  const LoadResult result = LoadProject(args.Project, project, env);
  if (result.Ok) return true;
  std::cerr << result.Text << "\n" << result.Details() << "\n";
  return false;
}

std::string CliLanguage(const CliArgs& args) {
  if (args.Language) return *args.Language;
  // Only an existing settings file is asked: creating the settings object
  // would otherwise write a new file into the user's folder.
  struct stat st;
  const std::string settings = TQZPlatform::GetUserFile("ProgramSettings.ini");
  if (::stat(settings.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    const std::string language = TProgramSettings::GetInstance().GetLanguage();
    if (!language.empty() && language != "Error") return language;
  }
  return TQZPlatform::DefaultLanguage();
}

int RunCheck(const CliArgs& args) {
  TProject project;
  if (!LoadForCli(args, project)) return kExitLoad;
  std::cout << "fields: " << project.Fields.Count()
            << ", layout: " << project.Settings.ComboFormType << "\n";
  return kExitOk;
}

int RunResave(const CliArgs& args) {
  TProject project;
  if (!LoadForCli(args, project)) return kExitLoad;
  const LoadResult saved = SaveProject(*args.Output, project);
  if (!saved.Ok) {
    std::cerr << "quazel-cli: " << saved.Message << "\n";
    return kExitGenerate;
  }
  return kExitOk;
}

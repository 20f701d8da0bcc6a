// export and new: filled in with the page generators and the default projects.
#include <exception>
#include <iostream>
#include <memory>

#include "CliCommands.h"
#include "codegen/PageFile.h"
#include "codegen/uCodeExport.h"
#include "model/FormMailerManager.h"
#include "model/NewProject.h"
#include "shell/QZPlatform.h"

int RunExport(const CliArgs& args) {
  TProject project;
  if (!LoadForCli(args, project)) return kExitLoad;

  TExportOptions options;
  options.Language = CliLanguage(args);
  options.FormId = args.FormId;
  std::string page;
  try {
    page = TExportFactory::BuildCode(project.Settings.ComboFormType, project, options);
  } catch (const std::exception& e) {
    // A missing template or snippet: nothing is written.
    std::cerr << "quazel-cli: " << e.what() << "\n";
    return kExitGenerate;
  }

  if (!args.Output) {
    // As the HTML tab shows it: no entities, no code page, no final line break.
    std::cout.write(page.data(), static_cast<std::streamsize>(page.size()));
    std::cout.flush();
    if (!std::cout) {
      std::cerr << "quazel-cli: could not write the page to standard output\n";
      return kExitGenerate;
    }
    return kExitOk;
  }
  const std::string error = WritePageFile(*args.Output, page, project.Settings.encoding);
  if (!error.empty()) {
    std::cerr << "quazel-cli: " << error << "\n";
    return kExitGenerate;
  }
  return kExitOk;
}

int RunNew(const CliArgs& args) {
  // Messages (such as a missing lang.ini) go to standard error.
  TQZPlatform::SetServices(std::make_shared<TConsolePlatformServices>());
  TLoadEnv env;
  env.Language = CliLanguage(args);
  // An empty formmailer address takes the first of the user's list, as in the
  // main window; reading the list creates nothing.
  env.FormMailerLinks = TFormMailerManager::LoadLinks();

  TProject project;
  const LoadResult loaded = LoadDefaultProject(env.Language, args.Layout, env, project);
  if (!loaded.Ok) {
    std::cerr << loaded.Text << "\n" << loaded.Details() << "\n";
    return kExitLoad;
  }
  const LoadResult saved = SaveProject(*args.Output, project);
  if (!saved.Ok) {
    std::cerr << "quazel-cli: " << saved.Message << "\n";
    return kExitGenerate;
  }
  return kExitOk;
}

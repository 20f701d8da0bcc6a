#include "NewProject.h"

#include <filesystem>
#include <system_error>

#include "shell/ProgramSettings.h"
#include "shell/QZPlatform.h"

std::string StandardTableWidth(int layout) {
  switch (layout) {
    case 0:
      return "500px";
    case 1:
      return "80%";
    default:
      return "";
  }
}

void SetFormType(TProjectSettings& settings, int layout) {
  if (layout != 0 && layout != 1) return;
  settings.ComboFormType = layout;
  settings.edtTabWidth = StandardTableWidth(layout);
}

std::string DefaultProjectFile(const std::string& language) {
  const std::string own =
      TQZPlatform::GetProgramFile("default_" + TProgramSettings::LanguageCode(language) + ".qzf");
  std::error_code ec;
  if (std::filesystem::is_regular_file(own, ec)) return own;
  return TQZPlatform::GetProgramFile("default_Deutsch.qzf");
}

LoadResult LoadDefaultProject(const std::string& language, std::optional<int> layout,
                              const TLoadEnv& env, TProject& project) {
  // Loaded into a copy so that a failure leaves the caller's project whole.
  TProject loaded;
  const LoadResult result = LoadProject(DefaultProjectFile(language), loaded, env);
  if (!result.Ok) return result;
  if (layout) SetFormType(loaded.Settings, *layout);
  project = std::move(loaded);
  return result;
}

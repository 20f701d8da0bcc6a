#include "shell/ProgramSettings.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "shell/IniFile.h"
#include "shell/QZPlatform.h"

namespace {

const char* kSettingsFileName = "ProgramSettings.ini";
const char* kSectionLanguage = "Language";

std::unique_ptr<TProgramSettings>& Instance() {
  static std::unique_ptr<TProgramSettings> instance;
  return instance;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Reads the settings file; nothing when it is missing or unreadable.
std::unique_ptr<TIniFile> OpenSettings(const std::string& path) {
  auto ini = std::make_unique<TIniFile>();
  if (!ini->LoadFromFile(path)) return nullptr;
  return ini;
}

struct TLanguageEntry {
  const char* name;
  const char* code;
};

// Names are compared byte for byte: "Français" is UTF-8 with a two-byte "ç".
const TLanguageEntry kLanguages[] = {
    {"Deutsch", "de"},
    {"English", "en"},
    {"Fran\xC3\xA7"
     "ais",
     "fr"},
    {"Italiano", "it"},
};

}  // namespace

TProgramSettings::TProgramSettings() {
  path_ = TQZPlatform::GetUserFile(kSettingsFileName);
  if (!FileExists(path_)) {
    // The per-user folder may lack its parents on a fresh account (no
    // ~/.local/share yet), so create the whole chain.
    std::error_code ec;
    std::filesystem::create_directories(TQZPlatform::GetUserDir(), ec);
    TIniFile ini;
    ini.SetValue(kSectionLanguage, "lang", TQZPlatform::DefaultLanguage());
    ini.SetValue(kSectionLanguage, "first", "1");
    ini.SaveToFile(path_);
  }
  if (auto names = ReadIniSectionNames(TQZPlatform::GetProgramFile("lang.ini"))) {
    languages_ = std::move(*names);
    hasLanguages_ = true;
  }
}

TProgramSettings& TProgramSettings::GetInstance() {
  auto& instance = Instance();
  if (!instance) instance = std::make_unique<TProgramSettings>();
  return *instance;
}

void TProgramSettings::FreeInstance() {
  Instance().reset();
}

std::string TProgramSettings::ReadValue(const std::string& section, const std::string& key) const {
  auto ini = OpenSettings(path_);
  if (!ini) {
    TQZPlatform::ShowMessage("Setting-file doesnt exist!");
    return "";
  }
  return ini->Value(section, key).value_or("Error");
}

void TProgramSettings::WriteValue(const std::string& section, const std::string& key,
                                  const std::string& value) const {
  // A file that cannot be read is left alone rather than replaced by one
  // holding only this value.
  auto ini = OpenSettings(path_);
  if (!ini) return;
  if (ini->SetValue(section, key, value)) ini->SaveToFile(path_);
}

bool TProgramSettings::IsFirstStart() const {
  std::string first = ReadValue(kSectionLanguage, "first");
  return first == "Error" || first == "1";
}

void TProgramSettings::SetFirstLanguage(const std::string& name) const {
  SetLanguage(name);
  WriteValue(kSectionLanguage, "first", "0");
}

std::string TProgramSettings::GetLanguage() const {
  auto ini = OpenSettings(path_);
  if (!ini) return TQZPlatform::DefaultLanguage();
  return ini->Value(kSectionLanguage, "lang").value_or(TQZPlatform::DefaultLanguage());
}

void TProgramSettings::SetLanguage(const std::string& name) const {
  WriteValue(kSectionLanguage, "lang", name.empty() ? TQZPlatform::DefaultLanguage() : name);
}

std::string TProgramSettings::GetLanguageCode() const {
  return LanguageCode(GetLanguage());
}

std::string TProgramSettings::GetHelpFileName() const {
  return HelpFileName(GetLanguage());
}

void TProgramSettings::SetShownNumber(int n) const {
  WriteValue("LastUsed", "ShownNumber", std::to_string(n));
}

std::string TProgramSettings::LanguageCode(const std::string& language) {
  for (const auto& entry : kLanguages)
    if (language == entry.name) return entry.code;
  return "en";
}

std::string TProgramSettings::HelpFileName(const std::string& language) {
  return LanguageCode(language) + "_formmailer.htm";
}

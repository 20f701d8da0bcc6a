// The INI files read from arbitrary bytes: the installation's lang.ini
// through GetText, and the user's ProgramSettings.ini through the program
// settings. The input holds both files, separated by a NUL byte. Texts must
// read the same through the shared cache as from the text itself, and the
// settings file must survive being written back with one value changed.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "shell/IniFile.h"
#include "shell/ProgramSettings.h"

using namespace fuzzsupport;

namespace {

// Replaces the file by a new one (a new inode), so that the shared cache of
// lang.ini sees the change however fast the inputs follow each other.
void ReplaceFile(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temp = path.string() + ".new";
  WriteFile(temp, bytes);
  std::filesystem::rename(temp, path);
}

// Every value of the file, section by section, in file order.
std::vector<std::string> AllValues(const TIniFile& ini) {
  std::vector<std::string> values;
  for (const std::string& section : ini.SectionNames()) {
    values.push_back("[" + section + "]");
    for (const std::string& key : ini.KeyNames(section))
      values.push_back(key + "=" + ini.Value(section, key).value_or("<missing>"));
  }
  return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path programDir = Scratch() / "program";
  std::filesystem::create_directories(programDir);
  InitPlatform(programDir.string());
  const std::vector<std::string> files = SplitInput(data, size, 2);

  // lang.ini
  ReplaceFile(programDir / "lang.ini", files[0]);
  TIniFile lang;
  lang.LoadFromText(files[0]);
  const std::vector<std::string> sections = lang.SectionNames();
  for (size_t s = 0; s < sections.size() && s < 8; ++s) {
    const std::vector<std::string> keys = lang.KeyNames(sections[s]);
    for (size_t k = 0; k < keys.size() && k < 16; ++k)
      FUZZ_CHECK(TQZPlatform::GetText(sections[s], keys[k]) == lang.Value(sections[s], keys[k]));
    FUZZ_CHECK(TQZPlatform::GetText(sections[s], "no such key \x01") == "error");
  }
  // Written out and read again, the file holds the same values.
  TIniFile reread;
  reread.LoadFromText(lang.ToText());
  FUZZ_CHECK(AllValues(reread) == AllValues(lang));

  // ProgramSettings.ini
  ReplaceFile(Scratch() / "user" / "ProgramSettings.ini", files[1]);
  TIniFile before;
  before.LoadFromText(files[1]);
  TProgramSettings::FreeInstance();
  const TProgramSettings& settings = TProgramSettings::GetInstance();
  FUZZ_CHECK(settings.Languages() == sections);
  const std::string language = settings.GetLanguage();
  FUZZ_CHECK(TProgramSettings::LanguageCode(language).size() == 2);
  (void)settings.IsFirstStart();
  (void)settings.GetHelpFileName();

  // Changing one value keeps every other one.
  settings.SetShownNumber(7);
  TIniFile after;
  FUZZ_CHECK(after.LoadFromFile(settings.FileName()));
  FUZZ_CHECK(after.Value("LastUsed", "ShownNumber") == std::optional<std::string>("7"));
  for (const std::string& section : before.SectionNames())
    for (const std::string& key : before.KeyNames(section))
      if (section != "LastUsed" || key != "ShownNumber")
        FUZZ_CHECK(after.Value(section, key) == before.Value(section, key));
  TProgramSettings::FreeInstance();
  return 0;
}

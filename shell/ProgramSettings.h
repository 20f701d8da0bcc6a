#pragma once
// The user's program settings in ProgramSettings.ini (per-user folder): the
// interface language and whether the first-start language question is due.

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TProgramSettings {
 public:
  // Forms the path, creates the file with its defaults when missing and reads
  // the list of languages from lang.ini.
  TProgramSettings();

  // The shared instance, created on first use.
  static TProgramSettings& GetInstance();
  // Frees the shared instance (program end, and tests that change folders).
  static void FreeInstance();

  std::string ReadValue(const std::string& section, const std::string& key) const;
  void WriteValue(const std::string& section, const std::string& key,
                  const std::string& value) const;

  bool IsFirstStart() const;
  void SetFirstLanguage(const std::string& name) const;
  std::string GetLanguage() const;
  void SetLanguage(const std::string& name) const;
  std::string GetLanguageCode() const;
  std::string GetHelpFileName() const;
  void SetShownNumber(int n) const;
  // Section names of lang.ini in file order; empty when lang.ini was missing.
  const std::vector<std::string>& Languages() const { return languages_; }
  bool HasLanguages() const { return hasLanguages_; }

  const std::string& FileName() const { return path_; }

  // Code ("de", "en", "fr", "it") and help page of a language name.
  static std::string LanguageCode(const std::string& language);
  static std::string HelpFileName(const std::string& language);

 private:
  std::string path_;
  std::vector<std::string> languages_;
  bool hasLanguages_ = false;
};

#pragma once
// The user's list of formmailer script addresses (formmailers.xml).

#include <string>
#include <vector>

class TFormMailerManager {
 public:
  TFormMailerManager() = delete;
  // The links in file order; an empty list for a missing or unreadable file.
  static std::vector<std::string> LoadLinks();
  // Replaces the file with these links. Returns false when the file could not
  // be written; the old file then stays as it was.
  static bool SaveLinks(const std::vector<std::string>& links);
  static std::string GetFileName();
};

#pragma once

// Gives a new user copies of the installed formmailers.xml and vorlagen.xml.
class TConfigFile {
 public:
  TConfigFile() = delete;
  // Creates the per-user folder if needed and copies each list that the user
  // does not have yet from the installation folder. Never overwrites; a failed
  // copy is ignored.
  static void ProvideUserFiles();
};

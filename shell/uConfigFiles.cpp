#include "shell/uConfigFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "shell/IniFile.h"
#include "shell/QZPlatform.h"

void TConfigFile::ProvideUserFiles() {
  namespace fs = std::filesystem;
  std::error_code ec;
  // Parents too: on a fresh account ~/.local/share may not exist yet.
  fs::create_directories(TQZPlatform::GetUserDir(), ec);
  for (const char* name : {"formmailers.xml", "vorlagen.xml"}) {
    std::string target = TQZPlatform::GetUserFile(name);
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    std::ifstream in(TQZPlatform::GetProgramFile(name), std::ios::binary);
    if (!in) continue;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) continue;
    // Through a temporary file, so that a failed copy never leaves a truncated
    // list behind that would then count as the user's own.
    WriteFileReplacing(target, bytes);
  }
}

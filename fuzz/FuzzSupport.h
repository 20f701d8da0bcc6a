#pragma once
// Shared by the fuzz targets: a silent front end, a scratch folder per
// process, splitting one input into several parts, and a check that aborts
// (and so reports a finding) when a property of the core does not hold.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "shell/QZPlatform.h"

namespace fuzzsupport {

// Takes every message and address and drops it: a fuzz run prints nothing.
class TSilentServices : public IPlatformServices {
 public:
  void ShowMessage(const std::string&) override {}
  void OpenURL(const std::string&) override {}
};

// A fresh folder under the temporary folder, removed at process end.
class TScratchFolder {
 public:
  TScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quazel-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path_ = pattern;
  }
  ~TScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The scratch folder of this process; its per-user folder "user/", its
// temporary folder "temp/". The installation folder is the build's bin
// folder (data/ is copied there), given at compile time.
inline const std::filesystem::path& Scratch() {
  static TScratchFolder folder;
  return folder.Path();
}

// Points the platform at the scratch folders and silences it. Call once at
// the start of each input is cheap enough; the settings stay the same.
inline void InitPlatform(const std::string& programDir = QUAZEL_FUZZ_PROGRAM_DIR) {
  static bool done = false;
  if (done) return;
  done = true;
  std::filesystem::create_directories(Scratch() / "user");
  std::filesystem::create_directories(Scratch() / "temp");
  TQZPlatform::SetServices(std::make_shared<TSilentServices>());
  TQZPlatform::SetProgramDir(programDir);
  TQZPlatform::SetUserDir((Scratch() / "user").string());
  TQZPlatform::SetTempDir((Scratch() / "temp").string());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::perror(path.c_str());
    std::abort();
  }
}

// The input split at every NUL byte into exactly count parts (missing parts
// are empty; the last part keeps any further NUL bytes).
inline std::vector<std::string> SplitInput(const uint8_t* data, size_t size, size_t count) {
  std::vector<std::string> parts;
  const std::string all(reinterpret_cast<const char*>(data), size);
  size_t pos = 0;
  while (parts.size() + 1 < count) {
    const size_t nul = all.find('\0', pos);
    if (nul == std::string::npos) break;
    parts.push_back(all.substr(pos, nul - pos));
    pos = nul + 1;
  }
  parts.push_back(pos <= all.size() ? all.substr(pos) : std::string());
  parts.resize(count);
  return parts;
}

// Reports a broken property with its name and aborts, so that libFuzzer
// keeps the input as a finding.
#define FUZZ_CHECK(cond)                                                            \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

}  // namespace fuzzsupport

#pragma once
// Helpers for the shell tests: a fresh folder per test, a recorder for the
// platform services, and small file helpers.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/QZPlatform.h"

namespace shelltest {

class TRecordingServices : public IPlatformServices {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void OpenURL(const std::string& url) override { opened.push_back(url); }
  std::vector<std::string> messages;
  std::vector<std::string> opened;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> FolderEntries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Gives each test its own installation, per-user and temporary folders and a
// recorder for messages; restores the platform afterwards.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "quazel-shell-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root = pattern;
    programDir = root / "program";
    userDir = root / "user" / "Quazel";
    tempDir = root / "temp";
    std::filesystem::create_directories(programDir);
    std::filesystem::create_directories(tempDir);
    TQZPlatform::SetProgramDir(programDir.string());
    TQZPlatform::SetUserDir(userDir.string());
    TQZPlatform::SetTempDir(tempDir.string());
    services = std::make_shared<TRecordingServices>();
    TQZPlatform::SetServices(services);
  }
  void TearDown() override {
    TQZPlatform::SetServices(nullptr);
    TQZPlatform::SetProgramDir("");
    TQZPlatform::SetUserDir("");
    TQZPlatform::SetTempDir("");
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }

  std::filesystem::path root, programDir, userDir, tempDir;
  std::shared_ptr<TRecordingServices> services;
};

// Sets or clears an environment variable for the lifetime of the object.
class TScopedEnv {
 public:
  TScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~TScopedEnv() {
    if (old_)
      ::setenv(name_, old_->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  TScopedEnv(const TScopedEnv&) = delete;
  TScopedEnv& operator=(const TScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace shelltest

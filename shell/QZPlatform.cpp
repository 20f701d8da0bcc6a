#include "shell/QZPlatform.h"

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <mutex>

#include "shell/IniFile.h"

namespace {

const char* kAppName = "Quazel";

struct TPlatformState {
  std::mutex mutex;
  std::shared_ptr<IPlatformServices> services;
  std::string programDir;
  std::string userDir;
  std::string tempDir;
};

TPlatformState& State() {
  static TPlatformState state;
  return state;
}

std::shared_ptr<IPlatformServices> Services() {
  auto& s = State();
  std::lock_guard lock(s.mutex);
  if (!s.services) s.services = std::make_shared<TConsolePlatformServices>();
  return s.services;
}

std::string Override(std::string TPlatformState::*member) {
  auto& s = State();
  std::lock_guard lock(s.mutex);
  return s.*member;
}

void SetOverride(std::string TPlatformState::*member, const std::string& dir) {
  auto& s = State();
  std::lock_guard lock(s.mutex);
  s.*member = IncludeTrailingPathDelimiter(dir);
}

std::string EnvOrEmpty(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

std::string HomeDir() {
  std::string home = EnvOrEmpty("HOME");
  if (!home.empty()) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

}  // namespace

std::string IncludeTrailingPathDelimiter(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + '/';
}

void TConsolePlatformServices::ShowMessage(const std::string& text) {
  std::cerr << text << std::endl;
}

void TConsolePlatformServices::OpenURL(const std::string& url) {
  // A path that begins with '-' would be read as an option.
  std::string arg = (!url.empty() && url[0] == '-') ? "./" + url : url;
  // Double fork: the opener runs detached and leaves no zombie behind; no shell
  // sees the address.
  pid_t child = ::fork();
  if (child < 0) return;
  if (child == 0) {
    pid_t grandchild = ::fork();
    if (grandchild == 0) {
      ::setsid();
      const char* argv[] = {"xdg-open", arg.c_str(), nullptr};
      ::execvp("xdg-open", const_cast<char* const*>(argv));
      ::_exit(127);
    }
    ::_exit(0);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
}

std::string TQZPlatform::GetProgramDir() {
  std::string dir = Override(&TPlatformState::programDir);
  if (!dir.empty()) return dir;
  std::string exe(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", exe.data(), exe.size());
  if (n <= 0 || static_cast<size_t>(n) >= exe.size()) return "./";
  exe.resize(static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/') + 1);
}

std::string TQZPlatform::GetUserDir() {
  std::string dir = Override(&TPlatformState::userDir);
  if (!dir.empty()) return dir;
  // XDG: a relative XDG_DATA_HOME is invalid and ignored.
  std::string base = EnvOrEmpty("XDG_DATA_HOME");
  if (base.empty() || base[0] != '/')
    base = IncludeTrailingPathDelimiter(HomeDir()) + ".local/share";
  return IncludeTrailingPathDelimiter(base) + kAppName + '/';
}

std::string TQZPlatform::GetTempDir() {
  std::string dir = Override(&TPlatformState::tempDir);
  if (!dir.empty()) return dir;
  std::string temp = EnvOrEmpty("TEMP");
  if (temp.empty()) temp = EnvOrEmpty("TMP");
  if (temp.empty()) temp = "/tmp";
  return IncludeTrailingPathDelimiter(temp);
}

std::string TQZPlatform::GetProgramFile(const std::string& name) {
  return GetProgramDir() + name;
}
std::string TQZPlatform::GetUserFile(const std::string& name) {
  return GetUserDir() + name;
}
std::string TQZPlatform::GetTempFile(const std::string& name) {
  return GetTempDir() + name;
}

std::string TQZPlatform::LoadTextFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw EInOutError("Cannot open file \"" + path + "\": " + std::strerror(errno));
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  int err = std::ferror(f) ? errno : 0;
  std::fclose(f);
  if (err != 0) throw EInOutError("Cannot read file \"" + path + "\": " + std::strerror(err));

  // Lines end at CR LF or LF; each is returned followed by CR LF. A final line
  // without a break counts as a line, a final break does not start another one,
  // and an empty file is one empty line.
  std::string text;
  text.reserve(data.size() + data.size() / 16 + 2);
  size_t start = 0;
  do {
    size_t lf = data.find('\n', start);
    size_t end = (lf == std::string::npos) ? data.size() : lf;
    size_t lineEnd =
        (lf != std::string::npos && end > start && data[end - 1] == '\r') ? end - 1 : end;
    text.append(data, start, lineEnd - start);
    text += "\r\n";
    start = (lf == std::string::npos) ? data.size() + 1 : lf + 1;
  } while (start < data.size());
  return text;
}

std::string TQZPlatform::LoadProgramTextFile(const std::string& name) {
  return LoadTextFile(GetProgramFile(name));
}

void TQZPlatform::OpenURL(const std::string& url) {
  Services()->OpenURL(url);
}
void TQZPlatform::OpenDocument(const std::string& pathOrUrl) {
  Services()->OpenURL(pathOrUrl);
}
void TQZPlatform::ShowMessage(const std::string& text) {
  Services()->ShowMessage(text);
}

std::string TQZPlatform::GetText(const std::string& language, const std::string& key) {
  // The parsed file is shared and read again only after it changed, so an
  // edited lang.ini takes effect at the next lookup.
  auto ini = LoadIniFileCached(GetProgramFile("lang.ini"));
  if (!ini) {
    ShowMessage("Language-file doesnt exist!");
    return "";
  }
  return ini->Value(language, key).value_or("error");
}

void TQZPlatform::SetServices(std::shared_ptr<IPlatformServices> services) {
  auto& s = State();
  std::lock_guard lock(s.mutex);
  s.services = services ? std::move(services) : std::make_shared<TConsolePlatformServices>();
}

void TQZPlatform::SetProgramDir(const std::string& dir) {
  SetOverride(&TPlatformState::programDir, dir);
}
void TQZPlatform::SetUserDir(const std::string& dir) {
  SetOverride(&TPlatformState::userDir, dir);
}
void TQZPlatform::SetTempDir(const std::string& dir) {
  SetOverride(&TPlatformState::tempDir, dir);
}

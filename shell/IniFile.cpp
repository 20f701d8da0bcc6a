#include "shell/IniFile.h"

#include <SimpleIni.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <mutex>
#include <string_view>

namespace {

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  if (ok) out.swap(data);
  return ok;
}

bool WriteAll(int fd, const std::string& bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The text as the INI library should see it. A byte-order mark at the start
// of a line (after blanks, too) is dropped: the library skips only the one
// at the start of the file, and one further down (files joined together)
// would hide the section header behind it or become part of a key's name.
// Lines that start a section but name none ("[" with no "]" on the same
// line, or an empty "[]") are dropped too: the library would take the text
// after such a "[" as the name of a section running on into the next lines,
// so that the following keys land in a section whose name holds a line
// break and change when the file is written back. Line ends stay.
std::string CleanedIniText(const std::string& text) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    // Marks among the line's leading blanks go; the blanks stay.
    size_t lead = 0;
    std::string blanks;
    for (;;) {
      if (line.substr(lead, kBom.size()) == kBom)
        lead += kBom.size();
      else if (lead < line.size() && (line[lead] == ' ' || line[lead] == '\t'))
        blanks += line[lead++];
      else
        break;
    }
    line.remove_prefix(lead);
    out += blanks;
    bool broken = false;
    if (!line.empty() && line[0] == '[') {
      const size_t close = line.find(']');
      broken = close == std::string_view::npos || line.find_first_not_of(" \t", 1) == close;
    }
    if (!broken) out.append(line);
    if (end < text.size()) out += text[end];
    pos = end + 1;
  }
  return out;
}

}  // namespace

struct TIniFile::Impl {
  // UTF-8 storage, no multi-keys, no multi-line values: one line per text.
  CSimpleIniCaseA ini{true, false, false};
  Impl() { ini.SetSpaces(false); }  // "key=value", as INI files are usually written
};

TIniFile::TIniFile() : impl_(std::make_unique<Impl>()) {}
TIniFile::~TIniFile() = default;

bool TIniFile::LoadFromFile(const std::string& path) {
  std::string text;
  if (!ReadWholeFile(path, text)) return false;
  LoadFromText(text);
  return true;
}

void TIniFile::LoadFromText(const std::string& text) {
  impl_->ini.Reset();
  // Only memory exhaustion makes this fail; the file then reads as empty.
  impl_->ini.LoadData(CleanedIniText(text));
}

std::optional<std::string> TIniFile::Value(const std::string& section,
                                           const std::string& key) const {
  const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!v) return std::nullopt;
  return std::string(v);
}

bool TIniFile::SetValue(const std::string& section, const std::string& key,
                        const std::string& value) {
  for (const std::string* text : {&section, &key, &value})
    if (text->find_first_of("\r\n") != std::string::npos) return false;
  return impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str()) >= 0;
}

std::vector<std::string> TIniFile::SectionNames() const {
  CSimpleIniCaseA::TNamesDepend sections;
  impl_->ini.GetAllSections(sections);
  sections.sort(CSimpleIniCaseA::Entry::LoadOrder());
  std::vector<std::string> names;
  names.reserve(sections.size());
  for (const auto& e : sections) names.emplace_back(e.pItem);
  return names;
}

std::vector<std::string> TIniFile::KeyNames(const std::string& section) const {
  CSimpleIniCaseA::TNamesDepend keys;
  impl_->ini.GetAllKeys(section.c_str(), keys);
  keys.sort(CSimpleIniCaseA::Entry::LoadOrder());
  std::vector<std::string> names;
  names.reserve(keys.size());
  for (const auto& e : keys) names.emplace_back(e.pItem);
  return names;
}

std::string TIniFile::ToText() const {
  std::string text;
  impl_->ini.Save(text);
  return text;
}

bool TIniFile::SaveToFile(const std::string& path) const {
  return WriteFileReplacing(path, ToText());
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
  std::string tmp = path + ".tmpXXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) return false;
  // Keep the permissions of the file being replaced; a new file gets rw-r--r--.
  struct stat st;
  mode_t mode = (::stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (::close(fd) != 0) ok = false;
  if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  // Make the rename itself durable; a failure here does not undo the write.
  int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

std::shared_ptr<const TIniFile> LoadIniFileCached(const std::string& path) {
  struct Stamp {
    dev_t dev;
    ino_t ino;
    off_t size;
    long long mtimeNs;
    long long ctimeNs;
    bool operator==(const Stamp&) const = default;
  };
  struct Cached {
    Stamp stamp;
    std::shared_ptr<const TIniFile> file;
  };
  static std::mutex mutex;
  static std::map<std::string, Cached> cache;

  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    std::lock_guard lock(mutex);
    cache.erase(path);
    return nullptr;
  }
  Stamp stamp{st.st_dev, st.st_ino, st.st_size,
              st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
              st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
  std::lock_guard lock(mutex);
  auto it = cache.find(path);
  if (it != cache.end() && it->second.stamp == stamp) return it->second.file;
  auto file = std::make_shared<TIniFile>();
  if (!file->LoadFromFile(path)) {
    cache.erase(path);
    return nullptr;
  }
  cache[path] = Cached{stamp, file};
  return file;
}

std::optional<std::vector<std::string>> ReadIniSectionNames(const std::string& path) {
  TIniFile ini;
  if (!ini.LoadFromFile(path)) return std::nullopt;
  return ini.SectionNames();
}

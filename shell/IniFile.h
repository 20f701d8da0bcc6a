#pragma once
// INI files as the program uses them: UTF-8 text, section and key names
// compared with case, sections kept in file order. All access to the INI
// library lives behind this unit.

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TIniFile {
 public:
  TIniFile();
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  // Replaces the content with the file's; false when it cannot be read.
  bool LoadFromFile(const std::string& path);
  // Replaces the content with the given text.
  void LoadFromText(const std::string& text);

  // The value of key in section; nothing when the key or the section is missing.
  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  // Stores the value. A name or value with a line break would spill into
  // lines of its own and change other entries, so it is refused (false).
  bool SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Section names in the order in which they appear in the file.
  std::vector<std::string> SectionNames() const;
  // Key names of a section in file order; empty for a missing section.
  std::vector<std::string> KeyNames(const std::string& section) const;

  // The content as INI text.
  std::string ToText() const;
  // Writes the content so that the previous file survives any failure: a
  // temporary file in the same folder, flushed to disk, renamed over path.
  bool SaveToFile(const std::string& path) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The parsed file at path, shared between callers and read again only when
// the file changed (another inode, size, modification or change time).
// nullptr when the file is missing or unreadable.
std::shared_ptr<const TIniFile> LoadIniFileCached(const std::string& path);

// The section names of the INI file at path in file order; nothing when the
// file is missing or unreadable.
std::optional<std::vector<std::string>> ReadIniSectionNames(const std::string& path);

// Writes bytes to path through a temporary file in the same folder (checked
// writes, fsync, rename). The previous file stays intact on failure.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

#pragma once
// Class-level platform services: the three application folders, reading
// installed text files, opening documents with the system, message boxes and
// the translated texts of lang.ini.

#include <memory>
#include <stdexcept>
#include <string>

// Raised when a file cannot be read (missing, unreadable). The message names
// the file.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The seam between the core and whatever front end runs it. The GUI fills it
// with real Qt calls; the CLI prints to standard error; tests record.
class IPlatformServices {
 public:
  virtual ~IPlatformServices() = default;
  // A modal message box with an OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // Hands an address or a path to the system's associated program.
  virtual void OpenURL(const std::string& url) = 0;
};

// Default services: messages go to standard error, addresses and paths to
// xdg-open (started detached, without a shell; failures are not reported).
class TConsolePlatformServices : public IPlatformServices {
 public:
  void ShowMessage(const std::string& text) override;
  void OpenURL(const std::string& url) override;
};

class TQZPlatform {
 public:
  TQZPlatform() = delete;

  // Folders, each ending with '/'.
  static std::string GetProgramDir();
  static std::string GetUserDir();
  static std::string GetTempDir();
  static std::string GetProgramFile(const std::string& name);
  static std::string GetUserFile(const std::string& name);
  static std::string GetTempFile(const std::string& name);

  // The whole text of a file, every line followed by CR LF; throws EInOutError.
  static std::string LoadTextFile(const std::string& path);
  static std::string LoadProgramTextFile(const std::string& name);

  static void OpenURL(const std::string& url);
  static void OpenDocument(const std::string& pathOrUrl);
  static void ShowMessage(const std::string& text);

  static std::string DefaultLanguage() { return "Deutsch"; }

  // The text of key in the section of language in lang.ini; "error" when the
  // key or section is missing; empty (after a message box) when the file is.
  // Names are compared with case. The parsed file is kept until the file on
  // disk changes, so an edited lang.ini takes effect at the next lookup.
  static std::string GetText(const std::string& language, const std::string& key);

  // --- seams, for the front ends and for tests ---
  // Replaces the services; nullptr restores the console services.
  static void SetServices(std::shared_ptr<IPlatformServices> services);
  // Override a folder; an empty text returns to the folder the platform gives.
  // A folder given without a final separator gets one.
  static void SetProgramDir(const std::string& dir);
  static void SetUserDir(const std::string& dir);
  static void SetTempDir(const std::string& dir);
};

// Adds a final '/' to a non-empty folder path that lacks one.
std::string IncludeTrailingPathDelimiter(const std::string& dir);

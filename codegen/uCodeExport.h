#pragma once
// The page exporters: the abstract TCodeExport runs the sequence both layouts
// share; TExportFactory picks the layout.

#include <optional>
#include <string>

#include "model/Project.h"

// What one generation needs besides the project.
struct TExportOptions {
  std::string Language = "Deutsch";  // interface language of the texts put into the page
  std::optional<long> FormId;        // fixed form number (reproducible pages); random when empty
};

// A template or snippet file is missing or unreadable; the page is not made.
class EGenerateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TExportFactory {
 public:
  TExportFactory() = delete;
  // The page of project in layout (0 standard, 1 Bootstrap); empty for any
  // other layout. Throws EGenerateError (or EInOutError) when an installed
  // file is missing.
  static std::string BuildCode(int layout, const TProject& project, const TExportOptions& options);
};

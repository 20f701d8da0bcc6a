#pragma once
// The page exporters: the abstract TCodeExport runs the sequence both layouts
// share; TExportFactory picks the layout.

#include <optional>
#include <stdexcept>
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

// The version the page carries at "<!-- VERSION -->".
inline constexpr const char* kPageVersion = "3.2.6";

// The abstract exporter. It reads the project's settings and fields at the
// moment each step needs them and lives for one generation.
class TCodeExport {
 public:
  TCodeExport(const TProject& project, const TExportOptions& options, int layout);
  virtual ~TCodeExport() = default;
  TCodeExport(const TCodeExport&) = delete;
  TCodeExport& operator=(const TCodeExport&) = delete;

  // The form number of the generation under way (set by Generate).
  std::string FormId;

  // The whole page.
  virtual std::string GetCode() = 0;
  // Style rules of the pop-up calendar.
  virtual std::string GetCalendarCSS(const TCalendarDesign& design) = 0;
  // The page's style sheet.
  virtual std::string GetCSS() = 0;
  // The captcha block.
  virtual std::string GetCaptcha() = 0;
  // The template text: the project's own, else the installed file.
  virtual std::string GetTemplate(const std::string& fileName) = 0;
  // Runs the shared steps on the template; layouts run their own steps after.
  virtual std::string Generate(const std::string& fileName);
  // The page with the calendar script put in.
  virtual std::string InsertCalendarScript(const std::string& page) = 0;

  // Deletes the first "<!-- name_BEGIN -->" ... "<!-- name_END -->" block,
  // both markers included; unchanged when a marker is missing or out of order.
  static std::string RemoveBlock(const std::string& name, const std::string& page);
  // Draws the form number: TExportOptions::FormId when set, otherwise a random
  // number from 0 to 9999999. Sets FormId and returns it.
  std::string NewFormId();
  // Removes the hidden recipient input of "admin", "admin1" and "admin2" for
  // each name that a form field carries.
  std::string RemoveAdminFields(const std::string& page) const;
  // Hidden inputs for the error pages that are set (Base64 values).
  std::string GetErrorPageFields() const;
  // The captcha picture address for this form number ("&amp;" form).
  std::string GetCaptchaLink() const;
  // The page with the captcha refresh script at "<!-- JSCAPTCHAREFRESH -->".
  std::string InsertCaptchaRefresh(const std::string& page) const;

 protected:
  const TProject& Project;
  const TExportOptions& Options;
  // The generator context: this exporter's layout, the project, the language.
  const TGenContext Ctx;

  const TProjectSettings& Settings() const { return Project.Settings; }

  struct TFieldPass {
    std::string Markup;  // every field's markup, each followed by CR LF
    std::string Script;  // the chkFormular() function in a script element
  };
  // One walk over the fields: their markup and the check function.
  TFieldPass RunFieldPass(bool useFieldClass) const;
};

class TExportFactory {
 public:
  TExportFactory() = delete;
  // The page of project in layout (0 standard, 1 Bootstrap); empty for any
  // other layout. Throws EGenerateError (or EInOutError) when an installed
  // file is missing.
  static std::string BuildCode(int layout, const TProject& project, const TExportOptions& options);
};

#pragma once
// The standard table layout: the form is a table whose rows the field
// generators write, styled by a style sheet built from the standard design
// panel's values.

#include "uCodeExport.h"

class TGenHTML : public TCodeExport {
 public:
  TGenHTML(const TProject& project, const TExportOptions& options)
      : TCodeExport(project, options, 0) {}

  std::string GetCode() override;
  std::string GetCalendarCSS(const TCalendarDesign& design) override;
  // The whole style element for "<!-- CSS -->".
  std::string GetCSS() override;
  std::string GetCaptcha() override;
  std::string GetTemplate(const std::string& fileName) override;
  std::string Generate(const std::string& fileName) override;
  std::string InsertCalendarScript(const std::string& page) override;
};

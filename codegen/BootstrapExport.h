#pragma once
// The Bootstrap layout: every field is a grid row of a label column and an
// element column; buttons are Bootstrap buttons with optional own colours.

#include "uCodeExport.h"

class TBootstrapExport : public TCodeExport {
 public:
  TBootstrapExport(const TProject& project, const TExportOptions& options)
      : TCodeExport(project, options, 1) {}

  std::string GetCode() override;
  std::string GetCalendarCSS(const TCalendarDesign& design) override;
  // Style rules without a style element (the template supplies it).
  std::string GetCSS() override;
  std::string GetCaptcha() override;
  std::string GetTemplate(const std::string& fileName) override;
  std::string Generate(const std::string& fileName) override;
  std::string InsertCalendarScript(const std::string& page) override;

  // Rewrites the grid classes "col-md-2", "col-md-10" and "col-md-offset-2"
  // for a label column of leftColumn (of 12) in one pass, so that a rewritten
  // class is never rewritten again.
  static std::string SetGridColumns(const std::string& page, int leftColumn);

 private:
  // The colour rules of the buttons that do not keep Bootstrap's look.
  std::string GetButtonStyles() const;
};

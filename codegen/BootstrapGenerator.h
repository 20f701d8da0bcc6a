#pragma once
// The base of the Bootstrap-layout generators. Each writes one grid row (a
// label column "col-md-2" and a field column "col-md-10"); the exporter later
// rewrites the column widths. The scripts are the standard layout's, built by
// the shared script builders (StandardScripts.h).

#include <string>

#include "FormFieldGenerator.h"

class TBootstrapGenerator : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;

  // <p class="help-block">BeschriftungNach</p> and CR LF, or empty text when
  // the field has no text after it.
  std::string GetHelpBlock() const;

 protected:
  // The five lines that open a row: label column with the field's label,
  // then the opening of the field column.
  std::string RowOpening() const;
  // The two lines that close the field column and the row.
  static std::string RowClosing();
  // <input type="TYPE" ...> of the text-like fields, with CR LF. maxLength is
  // written only when withMaxLength is set and maxLaenge is not empty.
  std::string TextInputLine(const std::string& type, const std::string& vorgabewert,
                            bool vorgabeLoeschen, const std::string& maxLaenge,
                            bool withMaxLength) const;
};

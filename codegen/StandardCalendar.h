#pragma once
// Standard-layout generator of the date field (TCalField): the single-line
// input followed by the script that sets up its pop-up calendar.

#include "StandardSingleLine.h"

class TStandardCalendar : public TStandardSingleLine {
 public:
  using TStandardSingleLine::TStandardSingleLine;
  std::string GetHtmlCode() override;
  // A presence check only (no check kinds for a date).
  std::string GetCheckScript() override;
};

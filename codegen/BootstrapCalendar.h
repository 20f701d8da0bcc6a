#pragma once
// Date field in the Bootstrap layout: the single-line input without a
// maxLength; the date picker is attached by the layout's calendar script.
#include "BootstrapSingleLine.h"
#include "model/uCalendarClass.h"

class TBootstrapCalendar : public TBootstrapSingleLine {
 public:
  using TBootstrapSingleLine::TBootstrapSingleLine;
  std::string GetHtmlCode() override;
  // The presence check of a date field, not the single-line check kinds.
  std::string GetCheckScript() override;
};

#pragma once
// One item of a check-box list (TCheckBoxFieldSimple) in the standard layout:
// a single line with no row of its own. Its scripts are the check box's.

#include "StandardCheckbox.h"

class TStandardSimpleCheckbox : public TStandardCheckbox {
 public:
  using TStandardCheckbox::TStandardCheckbox;
  std::string GetHtmlCode() override;
};

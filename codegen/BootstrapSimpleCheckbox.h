#pragma once
// One check box of a check-box list in the Bootstrap layout: a single line,
// which the list's generator places inside its own label lines. The scripts
// are those of a check box.
#include "BootstrapCheckbox.h"
#include "model/uSimpleCheckboxClass.h"

class TBootstrapSimpleCheckbox : public TBootstrapCheckbox {
 public:
  using TBootstrapCheckbox::TBootstrapCheckbox;
  std::string GetHtmlCode() override;
};

#pragma once
// Check-box list in the Bootstrap layout: the list's label, then one labelled
// box per item. The list's own text after the field is not written.
#include "BootstrapGenerator.h"
#include "model/uCheckBoxListClass.h"

class TBootstrapCheckboxList : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 private:
  const TCheckBoxList& F() const { return static_cast<const TCheckBoxList&>(Field); }
};

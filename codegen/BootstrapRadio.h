#pragma once
// Radio-button group in the Bootstrap layout; no button is preselected.
#include "BootstrapGenerator.h"
#include "model/uRadioButtonClass.h"

class TBootstrapRadio : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 private:
  const TRadioField& F() const { return static_cast<const TRadioField&>(Field); }
};

#pragma once
// Single check box in the Bootstrap layout.
#include "BootstrapGenerator.h"
#include "model/uCheckBoxClass.h"

class TBootstrapCheckbox : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 protected:
  const TCheckBoxField& F() const { return static_cast<const TCheckBoxField&>(Field); }
};

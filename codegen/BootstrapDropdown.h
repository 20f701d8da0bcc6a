#pragma once
// Drop-down list or list box in the Bootstrap layout.
#include "BootstrapGenerator.h"
#include "model/uDropDownClass.h"

class TBootstrapDropdown : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 private:
  const TDropDownField& F() const { return static_cast<const TDropDownField&>(Field); }
};

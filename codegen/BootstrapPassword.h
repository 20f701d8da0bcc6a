#pragma once
// Password field in the Bootstrap layout.
#include "BootstrapGenerator.h"
#include "model/uPasswortFieldClass.h"

class TBootstrapPassword : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 private:
  const TPassField& F() const { return static_cast<const TPassField&>(Field); }
};

#pragma once
// Single-line text field in the Bootstrap layout.
#include "BootstrapGenerator.h"
#include "model/uSingleLineClass.h"

class TBootstrapSingleLine : public TBootstrapGenerator {
 public:
  using TBootstrapGenerator::TBootstrapGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;

 protected:
  const TEinzField& F() const { return static_cast<const TEinzField&>(Field); }
};

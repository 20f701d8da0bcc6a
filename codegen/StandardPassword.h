#pragma once
// Standard-layout generator of the password field (TPassField).

#include "FormFieldGenerator.h"

class TStandardPassword : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

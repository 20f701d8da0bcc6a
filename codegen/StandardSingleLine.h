#pragma once
// Standard-layout generator of the single-line text field (TEinzField).

#include "FormFieldGenerator.h"

class TStandardSingleLine : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

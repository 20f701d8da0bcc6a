#pragma once
// Standard-layout generator of the single check box (TCheckBoxField).

#include "FormFieldGenerator.h"

class TStandardCheckbox : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

#pragma once
// Standard-layout generator of the radio group (TRadioField).

#include "FormFieldGenerator.h"

class TStandardRadio : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

#pragma once
// Standard-layout generator of the multi-line text field (TMehrzField), with its character counter.

#include "FormFieldGenerator.h"

class TStandardMultiLine : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
  std::string GetCounterScript() override;
};

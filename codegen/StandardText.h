#pragma once
// Standard-layout generator of the intermediate text (TZwField): a row of its own, no scripts.

#include "FormFieldGenerator.h"

class TStandardTexts : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
};

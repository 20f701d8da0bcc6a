#pragma once
// Standard-layout generator of the file upload field (TFileField); no cookie scripts.

#include "FormFieldGenerator.h"

class TStandardFileUpload : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
};

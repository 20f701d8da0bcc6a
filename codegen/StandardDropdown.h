#pragma once
// Standard-layout generator of the drop-down list (TDropDownField).

#include "FormFieldGenerator.h"

class TStandardDropdown : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

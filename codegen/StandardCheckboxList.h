#pragma once
// Standard-layout generator of the check-box list (TCheckBoxList); its items are rendered by
// TStandardSimpleCheckbox.

#include "FormFieldGenerator.h"

class TStandardCheckboxList : public TFormFieldGenerator {
 public:
  using TFormFieldGenerator::TFormFieldGenerator;
  std::string GetHtmlCode() override;
  std::string GetCheckScript() override;
  std::string GetCookieLoadScript() override;
  std::string GetCookieSaveScript() override;
};

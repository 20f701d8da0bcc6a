#pragma once
// One check box of a check-box list. Its scripts are those of a check box
// (kind 3); its markup is made by the list's generator.
#include "uCheckBoxClass.h"

class TCheckBoxFieldSimple : public TCheckBoxField {
 public:
  std::string ClassName() const override { return "TCheckBoxFieldSimple"; }
  std::string XmlTypeName() const override { return "TCheckBoxField"; }
  int GeneratorKind() const override { return 10; }
  std::string TypeKey() const override { return ""; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TCheckBoxFieldSimple>(*this);
  }

  std::string GetHtmlCode(bool useFieldClass, const TGenContext& ctx) const override;
  std::string GetCheckScript(const TGenContext& ctx) const override;
  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
};

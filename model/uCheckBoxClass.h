#pragma once
// Single check box.
#include "FormField.h"

class TCheckBoxField : public TFormField {
 public:
  std::string Vorgabewert = "x";  // submitted when ticked
  std::string ClassName() const override { return "TCheckBoxField"; }
  int GeneratorKind() const override { return 3; }
  std::string TypeKey() const override { return "43"; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TCheckBoxField>(*this);
  }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

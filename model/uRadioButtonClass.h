#pragma once
// Group of radio buttons.
#include "FormField.h"

class TRadioField : public TFormField {
 public:
  std::string Vorgabewert;
  std::string Felder;  // choices separated by "#"
  bool SingleLine = false;
  std::string ClassName() const override { return "TRadioField"; }
  int GeneratorKind() const override { return 4; }
  std::string TypeKey() const override { return "45"; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TRadioField>(*this);
  }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

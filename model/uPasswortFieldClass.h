#pragma once
// Password field.
#include "FormField.h"

class TPassField : public TFormField {
 public:
  std::string Vorgabewert;
  std::string Groesse;
  std::string MaxLaenge;
  bool VorgabeLoeschen = false;
  std::string ClassName() const override { return "TPassField"; }
  int GeneratorKind() const override { return 1; }
  std::string TypeKey() const override { return "40"; }
  std::unique_ptr<TFormField> Clone() const override { return std::make_unique<TPassField>(*this); }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

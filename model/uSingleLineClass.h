#pragma once
// Single-line text field.
#include "FormField.h"

class TEinzField : public TFormField {
 public:
  std::string Vorgabewert;
  std::string Groesse;
  std::string MaxLaenge;
  bool VorgabeLoeschen = false;
  int PflichtTyp = 0;  // 0 not empty, 1 e-mail, 2 number, 3 minimum length
  int MindestLaenge = 0;
  std::string ClassName() const override { return "TEinzField"; }
  int GeneratorKind() const override { return 0; }
  std::string TypeKey() const override { return "39"; }
  std::unique_ptr<TFormField> Clone() const override { return std::make_unique<TEinzField>(*this); }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

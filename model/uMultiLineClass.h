#pragma once
// Multi-line text field.
#include "FormField.h"

class TMehrzField : public TFormField {
 public:
  std::string Vorgabewert;
  std::string Hoehe;
  std::string Breite;
  std::string MaxLaenge;  // empty: no limit
  bool VorgabeLoeschen = false;
  bool ZeichenAnzeige = false;
  std::string ZeichenAnzeigeText;
  std::string ClassName() const override { return "TMehrzField"; }
  int GeneratorKind() const override { return 5; }
  std::string TypeKey() const override { return "41"; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TMehrzField>(*this);
  }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  // The character-counter function of the generator of the current layout.
  std::string GetCounterScript(const TGenContext& ctx) const;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

#pragma once
// Drop-down list or list box.
#include "FormField.h"

class TDropDownField : public TFormField {
 public:
  std::string Vorgabewert;
  std::string Felder;   // choices separated by "#"; "text|value" for a value of its own
  std::string Groesse;  // visible rows; 1 makes a drop-down list
  std::string ClassName() const override { return "TDropDownField"; }
  int GeneratorKind() const override { return 2; }
  std::string TypeKey() const override { return "42"; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TDropDownField>(*this);
  }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  // The value of one choice as it goes into the page: scrambled when the field
  // names a recipient ("admin", "admin1", "admin2") and cbCryptAddr is on.
  std::string GetOptionValue(const std::string& value, const TGenContext& ctx) const;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

#pragma once
// File upload field.
#include "FormField.h"

class TFileField : public TFormField {
 public:
  std::string Groesse;
  std::string ClassName() const override { return "TFileField"; }
  int GeneratorKind() const override { return 8; }
  std::string TypeKey() const override { return "46"; }
  std::unique_ptr<TFormField> Clone() const override { return std::make_unique<TFileField>(*this); }

  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

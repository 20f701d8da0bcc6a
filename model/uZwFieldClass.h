#pragma once
// Free intermediate text between fields; Beschriftung holds the text.
#include "FormField.h"

class TZwField : public TFormField {
 public:
  std::string ClassName() const override { return "TZwField"; }
  int GeneratorKind() const override { return 6; }
  std::string TypeKey() const override { return "44"; }
  std::unique_ptr<TFormField> Clone() const override { return std::make_unique<TZwField>(*this); }

  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

#pragma once
// Date field with a pop-up calendar.
#include "uSingleLineClass.h"

class TCalField : public TEinzField {
 public:
  int StartYear = 0;
  int EndYear = 0;
  std::string ClassName() const override { return "TCalField"; }
  int GeneratorKind() const override { return 7; }
  std::string TypeKey() const override { return "48"; }
  std::unique_ptr<TFormField> Clone() const override { return std::make_unique<TCalField>(*this); }

  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

#pragma once
// A list of check boxes that owns its items.
#include <vector>

#include "uSimpleCheckboxClass.h"

class TCheckBoxList : public TFormField {
 public:
  TCheckBoxList() = default;
  TCheckBoxList(const TCheckBoxList& other);
  TCheckBoxList& operator=(const TCheckBoxList& other);

  std::vector<std::unique_ptr<TCheckBoxFieldSimple>> Items;

  std::string ClassName() const override { return "TCheckBoxList"; }
  int GeneratorKind() const override { return 9; }
  std::string TypeKey() const override { return "47"; }
  std::unique_ptr<TFormField> Clone() const override {
    return std::make_unique<TCheckBoxList>(*this);
  }

  std::string GetCookieLoadScript(const TGenContext& ctx) const override;
  std::string GetCookieSaveScript(const TGenContext& ctx) const override;
  void SaveToXML(pugi::xml_node element) const override;
  void LoadFromXML(pugi::xml_node element) override;
  void ReadFromXML(const TXMLChildren& children) override;
};

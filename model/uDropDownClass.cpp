#include "uDropDownClass.h"

#include "ProjectSettings.h"
#include "XMLHelper.h"
#include "codegen/HtmlTools.h"

std::string TDropDownField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TDropDownField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

std::string TDropDownField::GetOptionValue(const std::string& value, const TGenContext& ctx) const {
  // A drop-down with one of these names lets the visitor choose the
  // recipient; its values are addresses and are scrambled like the others.
  const bool recipient = Name == "admin" || Name == "admin1" || Name == "admin2";
  if (recipient && ctx.Project && ctx.Project->cbCryptAddr) return EncodeAddress(value);
  return value;
}

void TDropDownField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
  TXMLHelper::AddTextElement(element, "felder", Felder);
}

void TDropDownField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TDropDownField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
  Groesse = children.ReadText("groesse");
  Felder = children.ReadText("felder");
}

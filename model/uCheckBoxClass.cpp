#include "uCheckBoxClass.h"

#include "XMLHelper.h"

std::string TCheckBoxField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TCheckBoxField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

void TCheckBoxField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
}

void TCheckBoxField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TCheckBoxField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
}

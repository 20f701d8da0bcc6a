#include "uPasswortFieldClass.h"

#include "XMLHelper.h"

std::string TPassField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TPassField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

void TPassField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
  TXMLHelper::AddTextElement(element, "maxLaenge", MaxLaenge);
  TXMLHelper::AddTextElement(element, "vorgabeloeschen", TXMLHelper::BoolText(VorgabeLoeschen));
}

void TPassField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TPassField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
  Groesse = children.ReadText("groesse");
  MaxLaenge = children.ReadText("maxLaenge");
  VorgabeLoeschen = children.ReadBool("vorgabeloeschen");
}

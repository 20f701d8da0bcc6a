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
  TFormField::LoadFromXML(element);
  Vorgabewert = TXMLHelper::ReadText("vorgabewert", element);
  Groesse = TXMLHelper::ReadText("groesse", element);
  MaxLaenge = TXMLHelper::ReadText("maxLaenge", element);
  VorgabeLoeschen = TXMLHelper::ReadBool("vorgabeloeschen", element);
}

#include "uRadioButtonClass.h"

#include "XMLHelper.h"

std::string TRadioField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TRadioField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

void TRadioField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "felder", Felder);
  TXMLHelper::AddTextElement(element, "singleline", TXMLHelper::BoolText(SingleLine));
}

void TRadioField::LoadFromXML(pugi::xml_node element) {
  TFormField::LoadFromXML(element);
  Vorgabewert = TXMLHelper::ReadText("vorgabewert", element);
  Felder = TXMLHelper::ReadText("felder", element);
  SingleLine = TXMLHelper::ReadBool("singleline", element);
}

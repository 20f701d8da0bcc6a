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
  ReadFromXML(TXMLChildren(element));
}

void TRadioField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
  Felder = children.ReadText("felder");
  SingleLine = children.ReadBool("singleline");
}

#include "uSingleLineClass.h"

#include "XMLHelper.h"

std::string TEinzField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TEinzField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

void TEinzField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
  TXMLHelper::AddTextElement(element, "maxLaenge", MaxLaenge);
  TXMLHelper::AddTextElement(element, "vorgabeloeschen", TXMLHelper::BoolText(VorgabeLoeschen));
  TXMLHelper::AddTextElement(element, "pflichttyp", std::to_string(PflichtTyp));
  TXMLHelper::AddTextElement(element, "mindestLaenge", std::to_string(MindestLaenge));
}

void TEinzField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TEinzField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
  Groesse = children.ReadText("groesse");
  MaxLaenge = children.ReadText("maxLaenge");
  VorgabeLoeschen = children.ReadBool("vorgabeloeschen");
  PflichtTyp = TXMLHelper::StrToInt(children.ReadTextDefault("pflichttyp", "0"));
  MindestLaenge = TXMLHelper::StrToInt(children.ReadTextDefault("mindestLaenge", "0"));
}

#include "uMultiLineClass.h"

#include "XMLHelper.h"

std::string TMehrzField::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TMehrzField::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

std::string TMehrzField::GetCounterScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CounterScript, ctx);
}

void TMehrzField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "maxLaenge", MaxLaenge);
  TXMLHelper::AddTextElement(element, "vorgabeloeschen", TXMLHelper::BoolText(VorgabeLoeschen));
  TXMLHelper::AddTextElement(element, "hoehe", Hoehe);
  TXMLHelper::AddTextElement(element, "breite", Breite);
  TXMLHelper::AddTextElement(element, "zeichenAnzeige", TXMLHelper::BoolText(ZeichenAnzeige));
  TXMLHelper::AddTextElement(element, "zeichenAnzeigeText", ZeichenAnzeigeText);
}

void TMehrzField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TMehrzField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Vorgabewert = children.ReadText("vorgabewert");
  MaxLaenge = children.ReadText("maxLaenge");
  VorgabeLoeschen = children.ReadBool("vorgabeloeschen");
  Hoehe = children.ReadText("hoehe");
  Breite = children.ReadText("breite");
  ZeichenAnzeige = children.ReadBool("zeichenAnzeige");
  ZeichenAnzeigeText = children.ReadText("zeichenAnzeigeText");
}

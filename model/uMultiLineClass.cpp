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
  TFormField::LoadFromXML(element);
  Vorgabewert = TXMLHelper::ReadText("vorgabewert", element);
  MaxLaenge = TXMLHelper::ReadText("maxLaenge", element);
  VorgabeLoeschen = TXMLHelper::ReadBool("vorgabeloeschen", element);
  Hoehe = TXMLHelper::ReadText("hoehe", element);
  Breite = TXMLHelper::ReadText("breite", element);
  ZeichenAnzeige = TXMLHelper::ReadBool("zeichenAnzeige", element);
  ZeichenAnzeigeText = TXMLHelper::ReadText("zeichenAnzeigeText", element);
}

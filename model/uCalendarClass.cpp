#include "uCalendarClass.h"

#include "XMLHelper.h"

// Written as a single-line field (typ "TCalField"), followed by a second copy
// of vorgabewert, groesse and vorgabeloeschen and the year range. Readers take
// the first occurrence of a name, so the copies are never read.
void TCalField::SaveToXML(pugi::xml_node element) const {
  TEinzField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "vorgabewert", Vorgabewert);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
  TXMLHelper::AddTextElement(element, "vorgabeloeschen", TXMLHelper::BoolText(VorgabeLoeschen));
  TXMLHelper::AddTextElement(element, "StartYear", std::to_string(StartYear));
  TXMLHelper::AddTextElement(element, "EndYear", std::to_string(EndYear));
}

void TCalField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TCalField::ReadFromXML(const TXMLChildren& children) {
  TEinzField::ReadFromXML(children);
  // No default: a missing or empty year is a conversion error.
  StartYear = TXMLHelper::StrToInt(children.ReadText("StartYear"));
  EndYear = TXMLHelper::StrToInt(children.ReadText("EndYear"));
}

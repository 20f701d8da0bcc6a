#include "uFileUploadClass.h"

#include "XMLHelper.h"

void TFileField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
}

void TFileField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TFileField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  Groesse = children.ReadText("groesse");
}

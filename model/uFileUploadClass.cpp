#include "uFileUploadClass.h"

#include "XMLHelper.h"

void TFileField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  TXMLHelper::AddTextElement(element, "groesse", Groesse);
}

void TFileField::LoadFromXML(pugi::xml_node element) {
  TFormField::LoadFromXML(element);
  Groesse = TXMLHelper::ReadText("groesse", element);
}

#include "uZwFieldClass.h"

#include "XMLHelper.h"

// An intermediate text has only the common data and its typ.
void TZwField::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
}

void TZwField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TZwField::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
}

#include "uCheckBoxListClass.h"

#include "XMLHelper.h"
#include "uFieldFactory.h"

TCheckBoxList::TCheckBoxList(const TCheckBoxList& other) : TFormField(other) {
  Items.reserve(other.Items.size());
  for (const auto& item : other.Items)
    Items.push_back(std::make_unique<TCheckBoxFieldSimple>(*item));
}

TCheckBoxList& TCheckBoxList::operator=(const TCheckBoxList& other) {
  if (this != &other) {
    TCheckBoxList copy(other);
    TFormField::operator=(copy);
    Items = std::move(copy.Items);
  }
  return *this;
}

std::string TCheckBoxList::GetCookieLoadScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieLoad, ctx);
}

std::string TCheckBoxList::GetCookieSaveScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CookieSave, ctx);
}

void TCheckBoxList::SaveToXML(pugi::xml_node element) const {
  TFormField::SaveToXML(element);
  pugi::xml_node list = element.append_child("ItemList");
  for (const auto& item : Items) item->SaveToXML(list.append_child("forms"));
}

// Items are appended to those already in the list. Every child element of
// ItemList must be a check box: anything else means the file is damaged, and
// dropping it silently would lose data on the next save.
void TCheckBoxList::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TCheckBoxList::ReadFromXML(const TXMLChildren& children) {
  TFormField::ReadFromXML(children);
  pugi::xml_node list = children.Child("ItemList");
  for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    const TXMLChildren itemChildren(child);
    const std::string typ = itemChildren.ReadText("typ");
    if (typ != "TCheckBoxField") {
      throw EUnknownFieldType("Unknown check-box list item type \"" + typ + "\"");
    }
    auto item = std::make_unique<TCheckBoxFieldSimple>();
    item->ReadFromXML(itemChildren);
    Items.push_back(std::move(item));
  }
}

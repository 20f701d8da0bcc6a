#include "formfieldtemplatemanager.h"

#include <filesystem>
#include <system_error>

#include "SafeFileWriter.h"
#include "XMLHelper.h"
#include "shell/QZPlatform.h"
#include "uFieldFactory.h"

namespace {

// The template at index among the document element's child elements; an
// empty node when there is none.
pugi::xml_node TemplateAt(const pugi::xml_document& doc, int index) {
  if (index < 0) return {};
  int i = 0;
  for (pugi::xml_node child : doc.document_element().children()) {
    if (child.type() != pugi::node_element) continue;
    if (i++ == index) return child;
  }
  return {};
}

bool Write(const pugi::xml_document& doc) {
  std::error_code ec;
  std::filesystem::create_directories(TQZPlatform::GetUserDir(), ec);
  return SaveXmlDocument(doc, TFormFieldTemplateManager::GetFileName()).empty();
}

}  // namespace

std::string TFormFieldTemplateManager::GetFileName() {
  return TQZPlatform::GetUserFile("vorlagen.xml");
}

std::vector<std::string> TFormFieldTemplateManager::GetTemplateNames() {
  std::vector<std::string> names;
  pugi::xml_document doc;
  TXmlReadError error;
  if (!ReadXmlFile(GetFileName(), doc, error)) return names;
  for (pugi::xml_node child : doc.document_element().children())
    if (child.type() == pugi::node_element) names.push_back(TXMLHelper::ReadText("name", child));
  return names;
}

TTemplateNode TFormFieldTemplateManager::GetTemplateNode(int index) {
  TTemplateNode result;
  result.Document = std::make_shared<pugi::xml_document>();
  TXmlReadError error;
  if (ReadXmlFile(GetFileName(), *result.Document, error))
    result.Node = TemplateAt(*result.Document, index);
  return result;
}

std::unique_ptr<TFormField> TFormFieldTemplateManager::CreateFieldFromTemplate(int index) {
  const TTemplateNode stored = GetTemplateNode(index);
  if (!stored.Node) return nullptr;
  try {
    return CreateFieldFromElement(stored.Node);
  } catch (const EConvertError&) {
    return nullptr;  // a damaged template is offered as nothing to insert
  }
}

bool TFormFieldTemplateManager::AddTemplate(const TFormField& field) {
  pugi::xml_document doc;
  TXmlReadError error;
  if (!ReadXmlFile(GetFileName(), doc, error)) {
    // A list that exists but cannot be read is kept: writing now would lose it.
    std::error_code ec;
    if (error.Kind == "EInOutError" && std::filesystem::exists(GetFileName(), ec)) return false;
    // A malformed list is set aside, not overwritten; then the list starts afresh.
    if (IsDamagedXmlFile(GetFileName()) && SetDamagedFileAside(GetFileName()).empty()) return false;
    doc.append_child("vorlagen");
  }
  field.SaveToXML(doc.document_element().append_child("feld"));
  return Write(doc);
}

bool TFormFieldTemplateManager::DeleteTemplate(int index) {
  pugi::xml_document doc;
  TXmlReadError error;
  if (!ReadXmlFile(GetFileName(), doc, error)) return false;
  const pugi::xml_node stored = TemplateAt(doc, index);
  if (!stored) return false;
  doc.document_element().remove_child(stored);
  return Write(doc);
}

#include "FormMailerManager.h"

#include <filesystem>
#include <system_error>

#include "SafeFileWriter.h"
#include "XMLHelper.h"
#include "shell/QZPlatform.h"

std::string TFormMailerManager::GetFileName() {
  return TQZPlatform::GetUserFile("formmailers.xml");
}

std::vector<std::string> TFormMailerManager::LoadLinks() {
  std::vector<std::string> links;
  pugi::xml_document doc;
  TXmlReadError error;
  // A missing or broken list reads as empty: the user then simply has no links.
  if (!ReadXmlFile(GetFileName(), doc, error)) return links;
  const pugi::xml_node list = doc.document_element().child("formmailers");
  for (pugi::xml_node link : list.children())
    if (link.type() == pugi::node_element) links.push_back(link.child_value());
  return links;
}

bool TFormMailerManager::SaveLinks(const std::vector<std::string>& links) {
  pugi::xml_document doc;
  pugi::xml_node list = doc.append_child("xml").append_child("formmailers");
  for (const std::string& link : links) TXMLHelper::AddTextElement(list, "formmail", link);
  std::error_code ec;
  std::filesystem::create_directories(TQZPlatform::GetUserDir(), ec);
  // The dialog showed a malformed list as empty: keep the old file beside the new one.
  if (IsDamagedXmlFile(GetFileName()) && SetDamagedFileAside(GetFileName()).empty()) return false;
  return SaveXmlDocument(doc, GetFileName()).empty();
}

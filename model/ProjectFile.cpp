#include "ProjectFile.h"

#include <exception>
#include <new>
#include <stdexcept>
#include <string_view>

#include "SafeFileWriter.h"
#include "XMLHelper.h"
#include "shell/Base64.h"
#include "shell/QZPlatform.h"
#include "uFieldFactory.h"

namespace {

// A load failure with the error kind the error dialog names.
struct TLoadFailure {
  std::string Kind;
  std::string Message;
};

[[noreturn]] void FailLoad(const std::string& kind, const std::string& message) {
  throw TLoadFailure{kind, message};
}

pugi::xml_node RequireChild(pugi::xml_node parent, const char* name) {
  pugi::xml_node child = parent.child(name);
  if (!child)
    FailLoad("Exception", std::string("The file has no \"") + name + "\" element under \"" +
                              parent.name() + "\"");
  return child;
}

std::string SettingText(const TProjectSettings& s, const TSettingKey& key) {
  switch (key.Kind) {
    case TSettingKind::Bool:
      return TXMLHelper::BoolText(s.*std::get<bool TProjectSettings::*>(key.Member));
    case TSettingKind::Int:
      return std::to_string(s.*std::get<int TProjectSettings::*>(key.Member));
    case TSettingKind::Base64:
      return Base64Encode(s.*std::get<std::string TProjectSettings::*>(key.Member));
    case TSettingKind::Text:
    case TSettingKind::Colour:
      break;
  }
  return s.*std::get<std::string TProjectSettings::*>(key.Member);
}

// Converts one setting, naming the element in the message of a conversion
// error so that the user can find the bad value.
template <class F>
auto Convert(const char* key, F&& convert) {
  try {
    return convert();
  } catch (const EConvertError& e) {
    throw EConvertError(std::string(key) + ": " + e.what());
  }
}

// Reads one setting from content (the children of FileContent) into loaded.
// current is the project being replaced, for the values that a file leaves as
// they were.
void ReadSetting(const TSettingKey& key, const TXMLChildren& content, TProjectSettings& loaded,
                 const TProjectSettings& current, const TLoadEnv& env) {
  static const TProjectSettings defaults;
  const char* const name = key.Key;
  const std::string_view nameView = name;
  const TXMLName child = TXMLName::Of(name);
  switch (key.Kind) {
    case TSettingKind::Bool: {
      auto member = std::get<bool TProjectSettings::*>(key.Member);
      // The Bootstrap button styles are on unless the file says otherwise.
      const bool onByDefault = nameView.starts_with("Bootstrap_CheckBox");
      loaded.*member = Convert(name, [&] {
        return onByDefault ? TXMLHelper::StrToBool(content.ReadTextDefault(child, "-1"))
                           : content.ReadBool(child);
      });
      return;
    }
    case TSettingKind::Int: {
      auto member = std::get<int TProjectSettings::*>(key.Member);
      if (nameView == "cboTabAusrichtung") {
        // The alignment falls back to centred for any text that is no number.
        try {
          loaded.*member = TXMLHelper::StrToInt(content.ReadText(child));
        } catch (const EConvertError&) {
          loaded.*member = 0;
        }
        return;
      }
      const std::string def = std::to_string(defaults.*member);
      loaded.*member =
          Convert(name, [&] { return TXMLHelper::StrToInt(content.ReadTextDefault(child, def)); });
      return;
    }
    case TSettingKind::Base64: {
      auto member = std::get<std::string TProjectSettings::*>(key.Member);
      // Only an own template replaces the one the program holds.
      const std::string encoded = content.ReadText(child);
      loaded.*member = encoded.empty() ? current.*member : Base64Decode(encoded);
      return;
    }
    case TSettingKind::Text:
    case TSettingKind::Colour:
      break;
  }
  auto member = std::get<std::string TProjectSettings::*>(key.Member);
  if (nameView == "cboMailFormat") {
    const std::string format = content.ReadText(child);
    const bool known = format == "html" || format == "plain" || format == "xml";
    loaded.*member = known ? format : current.*member;
  } else if (nameView == "CaptchaErrorMessage") {
    const std::string text = content.ReadText(child);
    loaded.*member = text.empty() ? TQZPlatform::GetText(env.Language, "154") : text;
  } else if (nameView == "cboFormMailer") {
    const std::string text = content.ReadText(child);
    const std::string fallback = env.FormMailerLinks.empty() ? "" : env.FormMailerLinks.front();
    loaded.*member = text.empty() ? fallback : text;
  } else {
    std::string text = content.ReadText(child);
    loaded.*member = text.empty() ? defaults.*member : std::move(text);
  }
}

// Builds the whole project from the file; throws on any failure.
TProject ReadProject(const std::string& path, const TProject& current, const TLoadEnv& env) {
  pugi::xml_document doc;
  TXmlReadError readError;
  // A value's text is kept in its element rather than in a node of its own:
  // about half the nodes, so a large project takes far less memory while its
  // tree is held. Values are read with TXMLHelper, which reads both forms.
  if (!ReadXmlFile(path, doc, readError, pugi::parse_embed_pcdata))
    FailLoad(readError.Kind, readError.Message);

  // The root element may have any name.
  const pugi::xml_node root = doc.document_element();
  const pugi::xml_node fileInfo = RequireChild(root, "FileInfo");
  const pugi::xml_node content = RequireChild(root, "FileContent");
  const pugi::xml_node itemList = RequireChild(content, "ItemList");
  if (TXMLHelper::ReadText("Prog", fileInfo) != "Quazel") FailLoad("Exception", "Wrong File");

  TProject loaded;
  const TXMLChildren settings(content);
  for (const TSettingKey& key : ProjectSettingKeys())
    ReadSetting(key, settings, loaded.Settings, current.Settings, env);

  int number = 0;
  for (pugi::xml_node element : itemList.children()) {
    if (element.type() != pugi::node_element) continue;
    ++number;
    try {
      loaded.Fields.Add(CreateFieldFromElement(element));
    } catch (const EUnknownFieldType& e) {
      FailLoad("EUnknownFieldType",
               "The file is damaged: field " + std::to_string(number) + ": " + e.what());
    } catch (const EConvertError& e) {
      FailLoad("EConvertError", "Field " + std::to_string(number) + ": " + e.what());
    }
  }
  return loaded;
}

}  // namespace

std::string ProjectToXml(const TProject& project) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("xml");
  pugi::xml_node fileInfo = root.append_child("FileInfo");
  TXMLHelper::AddTextElement(fileInfo, "Prog", "Quazel");
  TXMLHelper::AddTextElement(fileInfo, "Version", "1");
  pugi::xml_node content = root.append_child("FileContent");
  for (const TSettingKey& key : ProjectSettingKeys())
    TXMLHelper::AddTextElement(content, key.Key, SettingText(project.Settings, key));
  pugi::xml_node itemList = content.append_child("ItemList");
  for (const auto& field : project.Fields) field->SaveToXML(itemList.append_child("forms"));
  return SerializeXml(doc);
}

LoadResult SaveProject(const std::string& path, const TProject& project) {
  LoadResult result;
  const std::string error = WriteFileAtomically(path, ProjectToXml(project));
  if (!error.empty()) {
    result.Ok = false;
    result.Text = error;
    result.ErrorKind = "EInOutError";
    result.Message = error;
  }
  return result;
}

LoadResult LoadProject(const std::string& path, TProject& project, const TLoadEnv& env) {
  LoadResult result;
  try {
    TProject loaded = ReadProject(path, project, env);
    project = std::move(loaded);
    return result;
  } catch (const TLoadFailure& e) {
    result.ErrorKind = e.Kind;
    result.Message = e.Message;
  } catch (const EConvertError& e) {
    result.ErrorKind = "EConvertError";
    result.Message = e.what();
  } catch (const std::bad_alloc&) {
    result.ErrorKind = "EOutOfMemory";
    result.Message = "Out of memory";
  } catch (const std::exception& e) {
    result.ErrorKind = "Exception";
    result.Message = e.what();
  }
  result.Ok = false;
  result.Text = TQZPlatform::GetText(env.Language, "txtMainFrmNoQZFile");
  return result;
}

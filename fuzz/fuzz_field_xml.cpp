// Makes a field from an arbitrary XML element, as loading a project or a
// template does, then saves it, makes it again and generates its markup and
// scripts in both layouts.

#include <cstdint>
#include <string>

#include <pugixml.hpp>

#include "FuzzSupport.h"
#include "model/FieldList.h"
#include "model/ProjectSettings.h"
#include "model/SafeFileWriter.h"
#include "model/uFieldFactory.h"

using namespace fuzzsupport;

namespace {

std::string FieldXml(const TFormField& field) {
  pugi::xml_document doc;
  field.SaveToXML(doc.append_child("forms"));
  return SerializeXml(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InitPlatform();
  pugi::xml_document doc;
  TXmlReadError error;
  if (!ParseXmlText(std::string(reinterpret_cast<const char*>(data), size), doc, error)) return 0;

  std::unique_ptr<TFormField> field;
  try {
    field = CreateFieldFromElement(doc.document_element());
  } catch (const EConvertError&) {
    return 0;
  }
  FUZZ_CHECK(field != nullptr);

  // The saved element makes the same field again.
  const std::string saved = FieldXml(*field);
  pugi::xml_document savedDoc;
  FUZZ_CHECK(ParseXmlText(saved, savedDoc, error));
  std::unique_ptr<TFormField> again = CreateFieldFromElement(savedDoc.document_element());
  FUZZ_CHECK(again && again->ClassName() == field->ClassName());
  FUZZ_CHECK(FieldXml(*again) == saved);

  const TProjectSettings settings;
  FieldList fields;
  fields.Add(field->Clone());
  for (int layout : {0, 1}) {
    TGenContext ctx;
    ctx.Layout = layout;
    ctx.Project = &settings;
    ctx.Fields = &fields;
    for (bool useFieldClass : {false, true}) (void)field->GetHtmlCode(useFieldClass, ctx);
    (void)field->GetCheckScript(ctx);
    (void)field->GetCookieLoadScript(ctx);
    (void)field->GetCookieSaveScript(ctx);
  }
  return 0;
}

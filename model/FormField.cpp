#include "FormField.h"

#include "XMLHelper.h"
#include "codegen/FormFieldGeneratorFactory.h"

std::string TFormField::RunGenerator(int kind, TGenOp op, const TGenContext& ctx,
                                     bool useFieldClass) const {
  std::unique_ptr<TFormFieldGenerator> gen =
      TFormFieldGeneratorFactory::CreateGenerator(kind, ctx.Layout, *this, ctx);
  if (!gen) return "";
  switch (op) {
    case TGenOp::HtmlCode:
      gen->UseFieldClass = useFieldClass;
      return gen->GetHtmlCode();
    case TGenOp::CheckScript:
      return gen->GetCheckScript();
    case TGenOp::CookieLoad:
      return gen->GetCookieLoadScript();
    case TGenOp::CookieSave:
      return gen->GetCookieSaveScript();
    case TGenOp::CounterScript:
      return gen->GetCounterScript();
  }
  return "";
}

std::string TFormField::GetHtmlCode(bool useFieldClass, const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::HtmlCode, ctx, useFieldClass);
}

std::string TFormField::GetCheckScript(const TGenContext& ctx) const {
  return RunGenerator(GeneratorKind(), TGenOp::CheckScript, ctx);
}

std::string TFormField::GetCookieLoadScript(const TGenContext&) const {
  return "";
}

std::string TFormField::GetCookieSaveScript(const TGenContext&) const {
  return "";
}

void TFormField::SaveToXML(pugi::xml_node element) const {
  TXMLHelper::AddTextElement(element, "name", Name);
  TXMLHelper::AddTextElement(element, "beschriftung", Beschriftung);
  TXMLHelper::AddTextElement(element, "beschriftungnach", BeschriftungNach);
  TXMLHelper::AddTextElement(element, "pflicht", TXMLHelper::BoolText(Pflicht));
  TXMLHelper::AddTextElement(element, "meldung", Meldung);
  TXMLHelper::AddTextElement(element, "Cookie", TXMLHelper::BoolText(Cookie));
  TXMLHelper::AddTextElement(element, "typ", XmlTypeName());
}

void TFormField::LoadFromXML(pugi::xml_node element) {
  ReadFromXML(TXMLChildren(element));
}

void TFormField::ReadFromXML(const TXMLChildren& children) {
  Name = children.ReadText("name");
  Beschriftung = children.ReadText("beschriftung");
  BeschriftungNach = children.ReadText("beschriftungnach");
  Pflicht = children.ReadBool("pflicht");
  Meldung = children.ReadText("meldung");
  Cookie = children.ReadBool("Cookie");
}

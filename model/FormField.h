#pragma once
// The base of every form field: the data all fields share, XML persistence of
// that data, and the four generator operations that each field hands to the
// generator of its kind and the current layout.

#include <memory>
#include <string>

#include <pugixml.hpp>

struct TProjectSettings;
class FieldList;
class TXMLChildren;

// What a generator may read besides the field: the layout to render for, the
// project being generated (settings and fields), and the interface language
// whose texts go into the page. The installation folder comes from
// TQZPlatform. Generators never change the context.
struct TGenContext {
  int Layout = 0;  // 0 standard table layout, 1 Bootstrap layout
  const TProjectSettings* Project = nullptr;
  const FieldList* Fields = nullptr;
  std::string Language = "Deutsch";
};

class TFormField {
 public:
  std::string Name;
  std::string Beschriftung;
  std::string BeschriftungNach;
  bool Pflicht = false;
  std::string Meldung;
  bool Cookie = false;

  virtual ~TFormField() = default;

  // The class name ("TEinzField", ...).
  virtual std::string ClassName() const = 0;
  // The name written into the typ element; a check-box-list item is stored as
  // a check box.
  virtual std::string XmlTypeName() const { return ClassName(); }
  // The generator kind (0..9; 10 for a check-box-list item).
  virtual int GeneratorKind() const = 0;
  // Key of the type name in lang.ini ("39".."48"; empty for an item).
  virtual std::string TypeKey() const = 0;
  // A deep copy (dialogs edit copies).
  virtual std::unique_ptr<TFormField> Clone() const = 0;

  // Markup, validation and cookie scripts, made by the generator of this
  // field's kind and ctx.Layout.
  virtual std::string GetHtmlCode(bool useFieldClass, const TGenContext& ctx) const;
  virtual std::string GetCheckScript(const TGenContext& ctx) const;
  virtual std::string GetCookieLoadScript(const TGenContext& ctx) const;
  virtual std::string GetCookieSaveScript(const TGenContext& ctx) const;

  // Appends the field's child elements to element (the common data and typ
  // here).
  virtual void SaveToXML(pugi::xml_node element) const;
  // Sets the properties from element's children (common data here). Throws
  // EConvertError for an unreadable Boolean or number.
  virtual void LoadFromXML(pugi::xml_node element);
  // The same from an index of element's children (see TXMLChildren), so that
  // a class and its bases share one pass over the children. LoadFromXML
  // builds the index and calls this.
  virtual void ReadFromXML(const TXMLChildren& children);

 protected:
  enum class TGenOp { HtmlCode, CheckScript, CookieLoad, CookieSave, CounterScript };

  // Asks the generator factory for a generator of kind and ctx.Layout, runs
  // op on it and returns the text; empty when there is no such generator.
  std::string RunGenerator(int kind, TGenOp op, const TGenContext& ctx,
                           bool useFieldClass = false) const;

  TFormField() = default;
  TFormField(const TFormField&) = default;
  TFormField& operator=(const TFormField&) = default;
};

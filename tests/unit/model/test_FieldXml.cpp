// Field elements as the program's files hold them, and fields read back from
// them.

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <typeinfo>

#include "model/XMLHelper.h"
#include "model/uCalendarClass.h"
#include "model/uCheckBoxClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uFieldFactory.h"
#include "model/uFileUploadClass.h"
#include "model/uMultiLineClass.h"
#include "model/uPasswortFieldClass.h"
#include "model/uRadioButtonClass.h"
#include "model/uSimpleCheckboxClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"

namespace {

// Indented, every LF as CR LF: the form of the project file.
std::string FileText(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
  std::string text;
  for (char c : out.str()) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

std::string SaveField(const TFormField& field) {
  pugi::xml_document doc;
  field.SaveToXML(doc.append_child("forms"));
  return FileText(doc);
}

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

std::unique_ptr<TFormField> LoadField(const std::string& xml) {
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_string(xml.c_str())) << xml;
  return CreateFieldFromElement(doc.first_child());
}

template <class T>
T& As(const std::unique_ptr<TFormField>& field) {
  auto* typed = dynamic_cast<T*>(field.get());
  if (!typed) throw std::runtime_error(std::string("not a ") + typeid(T).name());
  return *typed;
}

void SetCommon(TFormField& f, const char* name) {
  f.Name = name;
  f.Beschriftung = "Label";
  f.BeschriftungNach = "after";
  f.Pflicht = true;
  f.Meldung = "msg";
  f.Cookie = false;
}

struct ClassCase {
  const char* typ;
  std::function<std::unique_ptr<TFormField>()> make;
  std::string xml;
};

std::vector<ClassCase> ClassCases() {
  const char* common[] = {"  <beschriftung>Label</beschriftung>",
                          "  <beschriftungnach>after</beschriftungnach>", "  <pflicht>-1</pflicht>",
                          "  <meldung>msg</meldung>", "  <Cookie>0</Cookie>"};
  auto head = [&](const char* name) {
    std::string text = Lines({"<forms>"}) + "  <name>" + name + "</name>\r\n";
    for (const char* line : common) text += std::string(line) + "\r\n";
    return text;
  };
  std::vector<ClassCase> cases;
  cases.push_back(
      {"TEinzField",
       [] {
         auto f = std::make_unique<TEinzField>();
         SetCommon(*f, "email");
         f->Vorgabewert = "you@example.com";
         f->Groesse = "15";
         f->MaxLaenge = "100";
         f->VorgabeLoeschen = true;
         f->PflichtTyp = 3;
         f->MindestLaenge = 5;
         return f;
       },
       head("email") +
           Lines({"  <typ>TEinzField</typ>", "  <vorgabewert>you@example.com</vorgabewert>",
                  "  <groesse>15</groesse>", "  <maxLaenge>100</maxLaenge>",
                  "  <vorgabeloeschen>-1</vorgabeloeschen>", "  <pflichttyp>3</pflichttyp>",
                  "  <mindestLaenge>5</mindestLaenge>", "</forms>"})});
  cases.push_back(
      {"TCalField",
       [] {
         auto f = std::make_unique<TCalField>();
         SetCommon(*f, "datum");
         f->Vorgabewert = "01.01.2025";
         f->Groesse = "10";
         f->MaxLaenge = "10";
         f->VorgabeLoeschen = true;
         f->PflichtTyp = 0;
         f->MindestLaenge = 2;
         f->StartYear = 2020;
         f->EndYear = 2030;
         return f;
       },
       head("datum") +
           Lines({"  <typ>TCalField</typ>", "  <vorgabewert>01.01.2025</vorgabewert>",
                  "  <groesse>10</groesse>", "  <maxLaenge>10</maxLaenge>",
                  "  <vorgabeloeschen>-1</vorgabeloeschen>", "  <pflichttyp>0</pflichttyp>",
                  "  <mindestLaenge>2</mindestLaenge>", "  <vorgabewert>01.01.2025</vorgabewert>",
                  "  <groesse>10</groesse>", "  <vorgabeloeschen>-1</vorgabeloeschen>",
                  "  <StartYear>2020</StartYear>", "  <EndYear>2030</EndYear>", "</forms>"})});
  cases.push_back(
      {"TPassField",
       [] {
         auto f = std::make_unique<TPassField>();
         SetCommon(*f, "pw");
         f->Vorgabewert = "secret";
         f->Groesse = "20";
         f->MaxLaenge = "30";
         f->VorgabeLoeschen = true;
         return f;
       },
       head("pw") + Lines({"  <typ>TPassField</typ>", "  <vorgabewert>secret</vorgabewert>",
                           "  <groesse>20</groesse>", "  <maxLaenge>30</maxLaenge>",
                           "  <vorgabeloeschen>-1</vorgabeloeschen>", "</forms>"})});
  cases.push_back(
      {"TMehrzField",
       [] {
         auto f = std::make_unique<TMehrzField>();
         SetCommon(*f, "text");
         f->Vorgabewert = "Hello";
         f->MaxLaenge = "500";
         f->VorgabeLoeschen = true;
         f->Hoehe = "5";
         f->Breite = "40";
         f->ZeichenAnzeige = true;
         f->ZeichenAnzeigeText = "left";
         return f;
       },
       head("text") + Lines({"  <typ>TMehrzField</typ>", "  <vorgabewert>Hello</vorgabewert>",
                             "  <maxLaenge>500</maxLaenge>",
                             "  <vorgabeloeschen>-1</vorgabeloeschen>", "  <hoehe>5</hoehe>",
                             "  <breite>40</breite>", "  <zeichenAnzeige>-1</zeichenAnzeige>",
                             "  <zeichenAnzeigeText>left</zeichenAnzeigeText>", "</forms>"})});
  cases.push_back(
      {"TDropDownField",
       [] {
         auto f = std::make_unique<TDropDownField>();
         SetCommon(*f, "admin");
         f->Vorgabewert = "B";
         f->Groesse = "1";
         f->Felder = "A|a@example.com#B|b@example.com";
         return f;
       },
       head("admin") + Lines({"  <typ>TDropDownField</typ>", "  <vorgabewert>B</vorgabewert>",
                              "  <groesse>1</groesse>",
                              "  <felder>A|a@example.com#B|b@example.com</felder>", "</forms>"})});
  cases.push_back({"TCheckBoxField",
                   [] {
                     auto f = std::make_unique<TCheckBoxField>();
                     SetCommon(*f, "privacy");
                     f->Vorgabewert = "yes";
                     return f;
                   },
                   head("privacy") + Lines({"  <typ>TCheckBoxField</typ>",
                                            "  <vorgabewert>yes</vorgabewert>", "</forms>"})});
  cases.push_back(
      {"TRadioField",
       [] {
         auto f = std::make_unique<TRadioField>();
         SetCommon(*f, "anrede");
         f->Vorgabewert = "Frau";
         f->Felder = "Frau#Herr";
         f->SingleLine = true;
         return f;
       },
       head("anrede") +
           Lines({"  <typ>TRadioField</typ>", "  <vorgabewert>Frau</vorgabewert>",
                  "  <felder>Frau#Herr</felder>", "  <singleline>-1</singleline>", "</forms>"})});
  cases.push_back(
      {"TFileField",
       [] {
         auto f = std::make_unique<TFileField>();
         SetCommon(*f, "upload");
         f->Groesse = "25";
         return f;
       },
       head("upload") + Lines({"  <typ>TFileField</typ>", "  <groesse>25</groesse>", "</forms>"})});
  cases.push_back({"TZwField",
                   [] {
                     auto f = std::make_unique<TZwField>();
                     SetCommon(*f, "zw");
                     return f;
                   },
                   head("zw") + Lines({"  <typ>TZwField</typ>", "</forms>"})});
  cases.push_back({"TCheckBoxList",
                   [] {
                     auto f = std::make_unique<TCheckBoxList>();
                     SetCommon(*f, "list");
                     for (const char* name : {"one", "two", "three"}) {
                       auto item = std::make_unique<TCheckBoxFieldSimple>();
                       item->Name = name;
                       item->Beschriftung = std::string("Box ") + name;
                       item->Cookie = true;
                       item->Vorgabewert = std::string("v-") + name;
                       f->Items.push_back(std::move(item));
                     }
                     return f;
                   },
                   head("list") + Lines({"  <typ>TCheckBoxList</typ>", "  <ItemList>"}) +
                       [] {
                         std::string items;
                         for (const char* name : {"one", "two", "three"}) {
                           items +=
                               Lines({"    <forms>"}) + "      <name>" + name + "</name>\r\n" +
                               "      <beschriftung>Box " + name + "</beschriftung>\r\n" +
                               Lines({"      <beschriftungnach />", "      <pflicht>0</pflicht>",
                                      "      <meldung />", "      <Cookie>-1</Cookie>",
                                      "      <typ>TCheckBoxField</typ>"}) +
                               "      <vorgabewert>v-" + name + "</vorgabewert>\r\n" +
                               Lines({"    </forms>"});
                         }
                         return items;
                       }() +
                       Lines({"  </ItemList>", "</forms>"})});
  return cases;
}

TEST(FieldXmlTest, EveryClassWritesItsElementsInOrderAndReadsThemBack) {
  for (const ClassCase& c : ClassCases()) {
    SCOPED_TRACE(c.typ);
    std::unique_ptr<TFormField> field = c.make();
    EXPECT_EQ(SaveField(*field), c.xml);

    std::unique_ptr<TFormField> loaded = LoadField(c.xml);
    EXPECT_EQ(loaded->ClassName(), field->ClassName());
    EXPECT_EQ(SaveField(*loaded), c.xml);
  }
}

// Every Boolean and number the other way round, so that a reader that
// ignores one of them, or reads it from a neighbour's element, shows.
TEST(FieldXmlTest, FlippedBooleansAndNumbersSurviveARoundTrip) {
  auto flip = [](TFormField& f) {
    f.Pflicht = !f.Pflicht;
    f.Cookie = !f.Cookie;
    if (auto* e = dynamic_cast<TEinzField*>(&f)) {
      e->VorgabeLoeschen = !e->VorgabeLoeschen;
      e->PflichtTyp = 2;
      e->MindestLaenge = -7;
    }
    if (auto* cal = dynamic_cast<TCalField*>(&f)) {
      cal->StartYear = -1;
      cal->EndYear = 0;
    }
    if (auto* p = dynamic_cast<TPassField*>(&f)) p->VorgabeLoeschen = !p->VorgabeLoeschen;
    if (auto* m = dynamic_cast<TMehrzField*>(&f)) {
      m->VorgabeLoeschen = !m->VorgabeLoeschen;
      m->ZeichenAnzeige = !m->ZeichenAnzeige;
    }
    if (auto* r = dynamic_cast<TRadioField*>(&f)) r->SingleLine = !r->SingleLine;
    if (auto* l = dynamic_cast<TCheckBoxList*>(&f)) {
      for (auto& item : l->Items) {
        item->Pflicht = !item->Pflicht;
        item->Cookie = !item->Cookie;
      }
    }
  };
  for (const ClassCase& c : ClassCases()) {
    SCOPED_TRACE(c.typ);
    std::unique_ptr<TFormField> field = c.make();
    flip(*field);
    const std::string xml = SaveField(*field);
    EXPECT_NE(xml, c.xml);
    EXPECT_EQ(SaveField(*LoadField(xml)), xml);
  }
}

TEST(FieldXmlTest, MultiLineLabelAndMarkupCharactersAreKept) {
  TEinzField field;
  field.Name = "n";
  field.Beschriftung = "Zeile 1\r\nZeile 2";
  field.BeschriftungNach = "A & B <b>fett</b>";
  field.Vorgabewert = "";
  const std::string xml = SaveField(field);
  EXPECT_NE(xml.find("\r\n  <beschriftung>Zeile 1\r\nZeile 2</beschriftung>\r\n"),
            std::string::npos);
  EXPECT_NE(
      xml.find("\r\n  <beschriftungnach>A &amp; B &lt;b&gt;fett&lt;/b&gt;</beschriftungnach>"),
      std::string::npos);
  EXPECT_NE(xml.find("\r\n  <vorgabewert />\r\n"), std::string::npos);

  const auto loaded = LoadField(xml);
  EXPECT_EQ(loaded->Beschriftung, "Zeile 1\r\nZeile 2");
  EXPECT_EQ(loaded->BeschriftungNach, "A & B <b>fett</b>");
  EXPECT_EQ(As<TEinzField>(loaded).Vorgabewert, "");
}

TEST(FieldXmlTest, BooleansWrittenByOtherTools) {
  struct Case {
    const char* text;
    bool value;
  } cases[] = {{"true", true},   {"TRUE", true}, {"1", true}, {"-1", true},
               {"False", false}, {"0", false},   {"", false}};
  for (const Case& c : cases) {
    const auto f = LoadField(std::string("<forms><typ>TZwField</typ><pflicht>") + c.text +
                             "</pflicht></forms>");
    EXPECT_EQ(f->Pflicht, c.value) << c.text;
  }
  try {
    LoadField("<forms><typ>TRadioField</typ><singleline>ja</singleline></forms>");
    ADD_FAILURE() << "a bad Boolean was accepted";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "\"ja\" is not a valid boolean.");
  }
}

TEST(FieldXmlTest, MissingElementsGiveTheDefaults) {
  const auto e = LoadField("<forms><typ>TEinzField</typ><pflichttyp/></forms>");
  const TEinzField& einz = As<TEinzField>(e);
  EXPECT_EQ(einz.Name, "");
  EXPECT_FALSE(einz.Pflicht);
  EXPECT_FALSE(einz.VorgabeLoeschen);
  EXPECT_EQ(einz.PflichtTyp, 0);
  EXPECT_EQ(einz.MindestLaenge, 0);

  // A check-box list without ItemList has no items.
  EXPECT_TRUE(
      As<TCheckBoxList>(LoadField("<forms><typ>TCheckBoxList</typ></forms>")).Items.empty());
}

TEST(FieldXmlTest, UnreadableNumbersFailTheLoad) {
  const char* elements[] = {
      "<forms><typ>TEinzField</typ><pflichttyp>eins</pflichttyp></forms>",
      "<forms><typ>TEinzField</typ><mindestLaenge>5x</mindestLaenge></forms>",
      // The years have no default: missing or empty is an error.
      "<forms><typ>TCalField</typ><EndYear>2030</EndYear></forms>",
      "<forms><typ>TCalField</typ><StartYear/><EndYear>2030</EndYear></forms>",
      "<forms><typ>TCalField</typ><StartYear>2020</StartYear></forms>",
  };
  for (const char* xml : elements) EXPECT_THROW(LoadField(xml), EConvertError) << xml;
}

TEST(FieldXmlTest, CalendarReadsTheFirstOfItsDoubledElements) {
  const auto f = LoadField(
      "<forms><typ>TCalField</typ>"
      "<vorgabewert>first</vorgabewert><groesse>10</groesse><vorgabeloeschen>-1</vorgabeloeschen>"
      "<vorgabewert>second</vorgabewert><groesse>99</groesse><vorgabeloeschen>0</vorgabeloeschen>"
      "<StartYear>1990</StartYear><EndYear>2000</EndYear></forms>");
  const TCalField& cal = As<TCalField>(f);
  EXPECT_EQ(cal.Vorgabewert, "first");
  EXPECT_EQ(cal.Groesse, "10");
  EXPECT_TRUE(cal.VorgabeLoeschen);
  EXPECT_EQ(cal.StartYear, 1990);
  EXPECT_EQ(cal.EndYear, 2000);
}

TEST(FieldXmlTest, CheckBoxItemsAndSingleCheckBoxesKeepTheirClasses) {
  // At top level the stored check-box name always makes a single check box.
  const auto single = LoadField("<forms><typ>TCheckBoxField</typ></forms>");
  EXPECT_EQ(single->ClassName(), "TCheckBoxField");

  const auto list = LoadField(
      "<forms><typ>TCheckBoxList</typ><ItemList>"
      "<forms><name>a</name><typ>TCheckBoxField</typ><vorgabewert>1</vorgabewert></forms>"
      "<!-- a comment is no item -->"
      "<forms><name>b</name><typ>TCheckBoxField</typ></forms>"
      "</ItemList></forms>");
  const auto& items = As<TCheckBoxList>(list).Items;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->ClassName(), "TCheckBoxFieldSimple");
  EXPECT_EQ(items[0]->Name, "a");
  EXPECT_EQ(items[0]->Vorgabewert, "1");
  EXPECT_EQ(items[1]->Name, "b");
}

TEST(FieldXmlTest, UnknownTypesReportTheFileAsDamaged) {
  struct Case {
    const char* xml;
    const char* message;
  } cases[] = {
      {"<forms><typ>TFoo</typ></forms>", "Unknown field type \"TFoo\""},
      {"<forms><typ>teinzfield</typ></forms>", "Unknown field type \"teinzfield\""},
      {"<forms><typ>TCheckBoxFieldSimple</typ></forms>",
       "Unknown field type \"TCheckBoxFieldSimple\""},
      {"<forms><typ/></forms>", "Unknown field type \"\""},
      {"<forms><name>x</name></forms>", "Field without a \"typ\" element"},
      {"<forms><typ>TCheckBoxList</typ><ItemList><forms><typ>TEinzField</typ></forms>"
       "</ItemList></forms>",
       "Unknown check-box list item type \"TEinzField\""},
      {"<forms><typ>TCheckBoxList</typ><ItemList><forms><name>x</name></forms>"
       "</ItemList></forms>",
       "Unknown check-box list item type \"\""},
  };
  for (const Case& c : cases) {
    try {
      LoadField(c.xml);
      ADD_FAILURE() << "accepted " << c.xml;
    } catch (const EUnknownFieldType& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

}  // namespace

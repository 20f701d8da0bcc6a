// The standard-layout generators: markup, check scripts, cookie scripts and
// the character counter, compared line by line with CR LF.

#include "codegen/StandardGenerators.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "codegen/StandardCalendar.h"
#include "codegen/StandardCheckbox.h"
#include "codegen/StandardCheckboxList.h"
#include "codegen/StandardDropdown.h"
#include "codegen/StandardFileUpload.h"
#include "codegen/StandardMultiLine.h"
#include "codegen/StandardPassword.h"
#include "codegen/StandardRadio.h"
#include "codegen/StandardSingleLine.h"
#include "codegen/StandardText.h"
#include "model/ProjectSettings.h"
#include "model/uCalendarClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uFileUploadClass.h"
#include "model/uMultiLineClass.h"
#include "model/uPasswortFieldClass.h"
#include "model/uRadioButtonClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"
#include "shell/QZPlatform.h"

#include "CodegenTestSupport.h"

using namespace codegentest;

namespace {

namespace fs = std::filesystem;

// Each line followed by CR LF; "" gives an empty line.
std::string RowA(const std::string& label) {
  return "<tr><td align=\"right\"  valign=\"top\" class=\"my\" nowrap>" + label + "</td>";
}
const char* const kRowB = "<td class=\"my\">";

// The language texts the messages are built from. The English section has a
// text with a double quote, to show that looked-up texts are escaped too.
const char* const kLangIni =
    "[Deutsch]\n"
    "txtCalender3=Bitte füllen Sie das Feld\n"
    "txtCalender4=aus!\n"
    "txtCheckbox1=Bitte kreuzen Sie\n"
    "txtCheckbox2=an!\n"
    "txtCheckboxList0=Bitte wählen Sie im Feld\n"
    "txtCheckboxList1=mindestens einen Eintrag!\n"
    "txtRadioButtons0=Bitte wählen Sie im Feld\n"
    "[English]\n"
    "txtCalender3=Please fill in\n"
    "txtCalender4=\"now\"!\n";

template <class T>
std::unique_ptr<T> Make(const std::string& name, const std::string& label) {
  auto f = std::make_unique<T>();
  f->Name = name;
  f->Beschriftung = label;
  return f;
}

std::unique_ptr<TCheckBoxList> MakeList(bool listPflicht, bool itemPflicht, bool itemCookie) {
  auto list = Make<TCheckBoxList>("hobby", "Hobbys:");
  list->Pflicht = listPflicht;
  list->Cookie = true;  // plays no part in the list's scripts
  list->BeschriftungNach = "nie gezeigt";
  for (const char* name : {"lesen", "reisen"}) {
    auto item = Make<TCheckBoxFieldSimple>(name, name + std::string(" gern"));
    list->Items.push_back(std::move(item));
  }
  list->Items[1]->Pflicht = itemPflicht;
  list->Items[1]->Cookie = itemCookie;
  list->Items[1]->Vorgabewert = "ja";
  return list;
}

class StandardGeneratorsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/quazel-standard-XXXXXX";
    programDir_ = mkdtemp(pattern);
    std::ofstream(fs::path(programDir_) / "lang.ini", std::ios::binary) << kLangIni;
  }
  static void TearDownTestSuite() { fs::remove_all(programDir_); }

  void SetUp() override {
    TQZPlatform::SetProgramDir(programDir_);
    ctx_.Project = &settings_;
  }
  void TearDown() override { TQZPlatform::SetProgramDir(""); }

  std::unique_ptr<TFormFieldGenerator> Gen(const TFormField& f) {
    auto g = CreateStandardGenerator(f.GeneratorKind(), f, ctx_);
    EXPECT_NE(g, nullptr) << f.ClassName();
    return g;
  }
  std::string Html(const TFormField& f, bool useFieldClass = false) {
    auto g = Gen(f);
    g->UseFieldClass = useFieldClass;
    return g->GetHtmlCode();
  }
  std::string Check(const TFormField& f) { return Gen(f)->GetCheckScript(); }

  static inline std::string programDir_;
  TProjectSettings settings_;
  TGenContext ctx_;
};

TEST_F(StandardGeneratorsTest, FactoryGivesTheGeneratorOfEachKindAndNothingElse) {
  TEinzField field;
  const std::function<bool(TFormFieldGenerator*)> is[] = {
      [](auto* g) { return dynamic_cast<TStandardSingleLine*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardPassword*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardDropdown*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardCheckbox*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardRadio*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardMultiLine*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardTexts*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardCalendar*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardFileUpload*>(g) != nullptr; },
      [](auto* g) { return dynamic_cast<TStandardCheckboxList*>(g) != nullptr; },
  };
  for (int kind = 0; kind < 10; ++kind) {
    auto g = CreateStandardGenerator(kind, field, ctx_);
    EXPECT_TRUE(g && is[kind](g.get())) << "kind " << kind;
  }
  EXPECT_EQ(CreateStandardGenerator(10, field, ctx_), nullptr);
  EXPECT_EQ(CreateStandardGenerator(-1, field, ctx_), nullptr);
}

// --- markup ---

TEST_F(StandardGeneratorsTest, MarkupOfTheOneLineInputs) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<TFormField>()> make;
    bool useFieldClass;
    std::string expected;
  };
  const Case cases[] = {
      {"single-line with value",
       [] {
         auto f = Make<TEinzField>("Vorname", "Vorname:");
         f->Vorgabewert = "Max";
         f->Groesse = "30";
         f->MaxLaenge = "50";
         f->BeschriftungNach = "(optional)";
         return f;
       },
       false,
       Lines(
           {RowA("Vorname:"), kRowB,
            R"(<input type="text" name="Vorname" value="Max" size="30" maxlength="50"> (optional)</td></tr>)"})},
      {"single-line with placeholder, empty sizes, texts unescaped",
       [] {
         auto f = Make<TEinzField>("Ort", "<b>Ort</b>");
         f->Vorgabewert = "Ihr \"Ort\"";
         f->VorgabeLoeschen = true;
         return f;
       },
       true,
       Lines(
           {RowA("<b>Ort</b>"), kRowB,
            R"(<input type="text" name="Ort" placeholder="Ihr "Ort"" size="" maxlength="" class="field"> </td></tr>)"})},
      {"password",
       [] {
         auto f = Make<TPassField>("pw", "Kennwort:");
         f->Groesse = "10";
         f->MaxLaenge = "8";
         return f;
       },
       true,
       Lines(
           {RowA("Kennwort:"), kRowB,
            R"(<input type="password" name="pw" value="" size="10" maxlength="8" class="field"> </td></tr>)"})},
      {"password with placeholder",
       [] {
         auto f = Make<TPassField>("pw", "Kennwort:");
         f->Vorgabewert = "geheim";
         f->VorgabeLoeschen = true;
         f->BeschriftungNach = "mind. 8";
         return f;
       },
       false,
       Lines(
           {RowA("Kennwort:"), kRowB,
            R"(<input type="password" name="pw" placeholder="geheim" size="" maxlength=""> mind. 8</td></tr>)"})},
      {"file upload",
       [] {
         auto f = Make<TFileField>("datei", "Anhang:");
         f->Groesse = "40";
         f->BeschriftungNach = "Max. 2 MB";
         return f;
       },
       false,
       Lines({RowA("Anhang:"), kRowB,
              R"(<input type="file" name="datei" value="" size="40"> Max. 2 MB</td></tr>)"})},
      {"file upload with field class", [] { return Make<TFileField>("datei", "Anhang:"); }, true,
       Lines({RowA("Anhang:"), kRowB,
              R"(<input type="file" name="datei" value="" size="" class="field"> </td></tr>)"})},
      {"check box",
       [] {
         auto f = Make<TCheckBoxField>("agb", "AGB:");
         f->BeschriftungNach = "gelesen";
         return f;
       },
       true,
       Lines({RowA("AGB:"), kRowB,
              R"(<input type="Checkbox" name="agb" value="x" class="field"> gelesen</td></tr>)"})},
      {"intermediate text: no label cell, never a field class",
       [] { return Make<TZwField>("", "<h3>Kontakt</h3>"); }, true,
       Lines({"<tr>",
              R"(<td colspan="2" align="left" height="40px" valign="bottom"><h3>Kontakt</h3></td>)",
              "</tr>"})},
  };
  for (const Case& c : cases) {
    auto field = c.make();
    EXPECT_EQ(Html(*field, c.useFieldClass), c.expected) << c.what;
  }
}

TEST_F(StandardGeneratorsTest, CalendarPutsItsScriptBetweenInputAndTextAfter) {
  auto f = Make<TCalField>("datum", "Datum:");
  f->Vorgabewert = "heute";
  f->Groesse = "10";
  f->MaxLaenge = "10";
  f->BeschriftungNach = "TT.MM.JJJJ";
  f->StartYear = 2000;
  f->EndYear = 2030;
  EXPECT_EQ(
      Html(*f, true),
      Lines({RowA("Datum:"), kRowB,
             "<input type=\"text\" name=\"datum\" value=\"heute\" size=\"10\" maxlength=\"10\" "
             "class=\"field\"> \t<script language=\"JavaScript\" type=\"text/javascript\">",
             "    <!--", "\t    function datum_Callback(date, month, year) {",
             "\t        document.forms['QZFORM'].datum.value = formatDate(date, month, year);",
             "\t        datum_Cal.toggleCal();", "\t    }",
             "     datum_Cal = new DynCal('datum_Cal', 'datum_Callback',2000,2030);", "   //-->",
             "   </script>", "TT.MM.JJJJ", "</td></tr>"}));

  // Without a text after the field, its line stays, empty.
  f->BeschriftungNach.clear();
  f->VorgabeLoeschen = true;
  const std::string html = Html(*f);
  EXPECT_NE(html.find("\r\n<input type=\"text\" name=\"datum\" placeholder=\"heute\" size=\"10\" "
                      "maxlength=\"10\"> \t<script"),
            std::string::npos);
  EXPECT_TRUE(html.ends_with(Lines({"   </script>", "", "</td></tr>"}))) << html;
}

TEST_F(StandardGeneratorsTest, MultiLineMarkup) {
  struct Case {
    const char* what;
    std::string maxLaenge;
    bool placeholder, display, useFieldClass;
    std::string line3;
  };
  const Case cases[] = {
      {"no limit: no key handler", "", false, false, false,
       R"(<textarea name="msg" cols="40" rows="5">Hallo</textarea> nach</td></tr>)"},
      {"limit, display and field class", "200", false, true, true,
       R"-(<textarea name="msg" cols="40" rows="5" class="field" onkeyup="javascript:zaehle_msg()" >Hallo</textarea> nach<br><input name="anzeige_msg" type="text" size="8" readonly value="200" class="field"> Zeichen frei</td></tr>)-"},
      {"limit and placeholder, no display", "200", true, false, false,
       R"-(<textarea name="msg" cols="40" rows="5" onkeyup="javascript:zaehle_msg()"  placeholder="Hallo"></textarea> nach</td></tr>)-"},
      {"display without limit", "", true, true, false,
       R"(<textarea name="msg" cols="40" rows="5" placeholder="Hallo"></textarea> nach<br><input name="anzeige_msg" type="text" size="8" readonly value=""> Zeichen frei</td></tr>)"},
  };
  for (const Case& c : cases) {
    auto f = Make<TMehrzField>("msg", "Nachricht:");
    f->Vorgabewert = "Hallo";
    f->Breite = "40";
    f->Hoehe = "5";
    f->BeschriftungNach = "nach";
    f->ZeichenAnzeigeText = "Zeichen frei";
    f->MaxLaenge = c.maxLaenge;
    f->VorgabeLoeschen = c.placeholder;
    f->ZeichenAnzeige = c.display;
    EXPECT_EQ(Html(*f, c.useFieldClass), Lines({RowA("Nachricht:"), kRowB, c.line3})) << c.what;
  }
}

TEST_F(StandardGeneratorsTest, DropdownOptionsFromTheItemList) {
  auto f = Make<TDropDownField>("farbe", "Farbe:");
  f->Groesse = "1";
  f->BeschriftungNach = "nach";
  // Leading blanks go, trailing ones stay; empty items vanish; "#" inside
  // quotes does not cut; only "text|value" gets a value attribute.
  f->Felder = "Bitte wählen#  Rot|r##Blau |b\r\nGrün|#A|b|c#\"x#y\"|q#|leer#";
  EXPECT_EQ(Html(*f), Lines({RowA("Farbe:"), kRowB,
                             R"(<select name="farbe" size="1"><option>Bitte wählen</option>)",
                             R"(<option value="r">Rot</option>)",
                             R"(<option value="b">Blau </option>)", R"(<option>Grün|</option>)",
                             R"(<option>A|b|c</option>)", R"(<option value="q">"x#y"</option>)",
                             R"(<option>|leer</option>)", "</select> nach</td></tr>"}));

  // With no items the select opens and closes on one line.
  f->Felder.clear();
  f->Groesse.clear();
  f->BeschriftungNach.clear();
  EXPECT_EQ(Html(*f, true),
            Lines({RowA("Farbe:"), kRowB,
                   R"(<select name="farbe" size="" class="field"></select> </td></tr>)"}));
}

TEST_F(StandardGeneratorsTest, RecipientDropdownValuesScrambledOnlyWhenAsked) {
  // "a@b.de" XOR 0x5A is 3B 1A 38 74 3E 3F, in Base64 "Oxo4dD4/".
  struct Case {
    const char* name;
    bool crypt;
    const char* value;
  };
  const Case cases[] = {
      {"admin", true, "Oxo4dD4/"}, {"admin1", true, "Oxo4dD4/"}, {"admin2", true, "Oxo4dD4/"},
      {"admin", false, "a@b.de"},  {"Admin", true, "a@b.de"},    {"ADMIN1", true, "a@b.de"},
      {"admin3", true, "a@b.de"},  {"empf", true, "a@b.de"},
  };
  for (const Case& c : cases) {
    settings_.cbCryptAddr = c.crypt;
    auto f = Make<TDropDownField>(c.name, "An:");
    f->Groesse = "1";
    f->Felder = "Chef|a@b.de#Niemand";
    EXPECT_EQ(Html(*f), Lines({RowA("An:"), kRowB,
                               "<select name=\"" + std::string(c.name) +
                                   "\" size=\"1\"><option value=\"" + c.value + "\">Chef</option>",
                               "<option>Niemand</option>", "</select> </td></tr>"}))
        << c.name << " crypt " << c.crypt;
  }
}

TEST_F(StandardGeneratorsTest, RadioGroupMarkup) {
  auto f = Make<TRadioField>("anrede", "Anrede:");
  f->Felder = "Herr#  Frau #Divers#";
  f->Vorgabewert = "Frau";  // never pre-selects a button
  f->BeschriftungNach = "nach";
  EXPECT_EQ(
      Html(*f),
      Lines({RowA("Anrede:"), kRowB, R"(<input type="radio" name="anrede" value="Herr">Herr<br>)",
             R"(<input type="radio" name="anrede" value="Frau ">Frau <br>)",
             R"(<input type="radio" name="anrede" value="Divers">Divers<br>)", "nach</td></tr>"}));

  f->SingleLine = true;
  EXPECT_EQ(Html(*f, true),
            Lines({RowA("Anrede:"), kRowB,
                   R"(<input type="radio" name="anrede" value="Herr" class="field">Herr)",
                   R"(<input type="radio" name="anrede" value="Frau " class="field">Frau )",
                   R"(<input type="radio" name="anrede" value="Divers" class="field">Divers)",
                   "nach</td></tr>"}));

  f->Felder.clear();
  f->BeschriftungNach.clear();
  EXPECT_EQ(Html(*f), Lines({RowA("Anrede:"), kRowB, "</td></tr>"}));
}

TEST_F(StandardGeneratorsTest, CheckboxListWritesOneLinePerItemAndNotItsTextAfter) {
  auto list = MakeList(false, false, false);
  EXPECT_EQ(
      Html(*list, true),
      Lines({RowA("Hobbys:"), kRowB,
             R"(<input type="Checkbox" name="lesen" value="x" class="field"> lesen gern<br>)",
             R"(<input type="Checkbox" name="reisen" value="ja" class="field"> reisen gern<br>)",
             "</td></tr>"}));
  list->Items.clear();
  EXPECT_EQ(Html(*list), Lines({RowA("Hobbys:"), kRowB, "</td></tr>"}));
}

// --- check scripts ---

TEST_F(StandardGeneratorsTest, SingleLineCheckByKind) {
  struct Case {
    int kind, minLength;
    std::string condition;
  };
  const Case cases[] = {
      {0, 0, R"(if(document.QZFORM.mail.value.trim() == "")  {)"},
      {-1, 0, R"(if(document.QZFORM.mail.value.trim() == "")  {)"},
      {1, 0,
       R"(if(!document.QZFORM.mail.value.match(/^[A-Z0-9._%-]+@[A-Z0-9.-]+\.[A-Z]{2,6}$/i))  {)"},
      {2, 0,
       R"(if((isNaN(str_replace(",",".",document.QZFORM.mail.value))) || (document.QZFORM.mail.value == ""))  {)"},
      {3, 5, R"(if(document.QZFORM.mail.value.length < 5)  {)"},
      {3, 0, R"(if(document.QZFORM.mail.value.length < 0)  {)"},
  };
  for (const Case& c : cases) {
    auto f = Make<TEinzField>("mail", "E-Mail:");
    f->Pflicht = true;
    f->PflichtTyp = c.kind;
    f->MindestLaenge = c.minLength;
    EXPECT_EQ(Check(*f), Lines({c.condition, R"(alert("Bitte füllen Sie das Feld E-Mail: aus!");)",
                                "document.QZFORM.mail.focus();", "return false;", "}"}))
        << "PflichtTyp " << c.kind;
  }
}

TEST_F(StandardGeneratorsTest, OtherTextFieldsTestTheRawValueForPresence) {
  auto calendar = Make<TCalField>("f", "Feld:");
  calendar->PflichtTyp = 1;  // a date field knows no check kinds
  const std::unique_ptr<TFormField> fields[] = {
      Make<TPassField>("f", "Feld:"), Make<TMehrzField>("f", "Feld:"),
      Make<TFileField>("f", "Feld:"), std::move(calendar)};
  for (const auto& f : fields)
    EXPECT_EQ(Check(*f), Lines({R"(if(document.QZFORM.f.value == "")  {)",
                                R"(alert("Bitte füllen Sie das Feld Feld: aus!");)",
                                "document.QZFORM.f.focus();", "return false;", "}"}))
        << f->ClassName();
}

TEST_F(StandardGeneratorsTest, CheckboxCheck) {
  auto f = Make<TCheckBoxField>("agb", "AGB");
  EXPECT_EQ(Check(*f), Lines({"if(document.QZFORM.agb.checked  == false)", "    {",
                              R"(alert("Bitte kreuzen Sie AGB an!");)",
                              "     document.QZFORM.agb.focus();", "     return false;", "    }"}));
}

TEST_F(StandardGeneratorsTest, DropdownCheckRefusesTheFirstEntryOnlyForSize1Or0) {
  ctx_.Language = "English";  // the drop-down's default message has no language key
  const std::pair<const char*, const char*> cases[] = {{"1", "1"}, {"0", "1"},  {"", "0"},
                                                       {"5", "0"}, {" 1", "0"}, {"10", "0"}};
  for (const auto& [groesse, min] : cases) {
    auto f = Make<TDropDownField>("farbe", "Farbe");
    f->Groesse = groesse;
    EXPECT_EQ(Check(*f),
              Lines({"if (document.QZFORM.farbe.selectedIndex < " + std::string(min) + ")", "{",
                     R"(alert("Bitte wählen Sie etwas im Feld Farbe aus!");)",
                     "document.QZFORM.farbe.focus();", "return (false);", "}"}))
        << "Groesse '" << groesse << "'";
  }
}

TEST_F(StandardGeneratorsTest, RadioCheck) {
  auto f = Make<TRadioField>("anrede", "Anrede");
  EXPECT_EQ(Check(*f),
            Lines({"var Option = false;", "for (i = 0;  i < document.QZFORM.anrede.length;  i++)",
                   "  {", "    if (document.QZFORM.anrede[ i ].checked)", "        Option = true;",
                   "  }", "  if (!Option)", "  {", R"(alert("Bitte wählen Sie im Feld Anrede ");)",
                   "    return (false);", "  }"}));
}

TEST_F(StandardGeneratorsTest, CheckboxListCheckByListAndItemFlags) {
  const std::string atLeastOne =
      Lines({"{", "\t  $check = false;", "\tif (document.QZFORM.lesen.checked) $check = true;",
             "\tif (document.QZFORM.reisen.checked) $check = true;", "\tif ($check==false)", "\t{",
             "\t\talert(\"Bitte wählen Sie im Feld \\\"Hobbys:\\\" mindestens einen Eintrag!\");",
             "\t\treturn false;", "\t}", "}", ""});
  const std::string itemBlock =
      Lines({"if(document.QZFORM.reisen.checked  == false)", "    {",
             R"(alert("Bitte kreuzen Sie reisen gern an!");)",
             "     document.QZFORM.reisen.focus();", "     return false;", "    }"});
  struct Case {
    bool listPflicht, itemPflicht;
    std::string expected;
  };
  const Case cases[] = {
      {true, true, atLeastOne + itemBlock},
      {true, false, atLeastOne},
      {false, true, itemBlock},
      {false, false, ""},
  };
  for (const Case& c : cases) {
    auto list = MakeList(c.listPflicht, c.itemPflicht, false);
    EXPECT_EQ(Check(*list), c.expected) << c.listPflicht << c.itemPflicht;
  }
}

// An own message replaces the whole default, and whatever it holds can never
// end the script's string: quotes, backslashes and line breaks are escaped.
TEST_F(StandardGeneratorsTest, OwnMessageReplacesTheDefaultEscapedForTheScript) {
  const std::string typed = "Sag \"Hallo\" \\ oder 'Servus'\r\nZeile 2 </script>";
  const std::string shown = "Sag \\\"Hallo\\\" \\\\ oder \\'Servus\\'\\r\\nZeile 2 <\\/script>";
  auto list = MakeList(true, false, false);
  const std::unique_ptr<TFormField> fields[] = {Make<TEinzField>("f", "Feld"),
                                                Make<TPassField>("f", "Feld"),
                                                Make<TMehrzField>("f", "Feld"),
                                                Make<TFileField>("f", "Feld"),
                                                Make<TCalField>("f", "Feld"),
                                                Make<TCheckBoxField>("f", "Feld"),
                                                Make<TDropDownField>("f", "Feld"),
                                                Make<TRadioField>("f", "Feld"),
                                                std::move(list)};
  for (const auto& f : fields) {
    f->Meldung = typed;
    const std::string script = Check(*f);
    const std::string indent = f->GeneratorKind() == 9 ? "\t\t" : "";
    EXPECT_NE(script.find("\r\n" + indent + "alert(\"" + shown + "\");\r\n"), std::string::npos)
        << f->ClassName() << ":\n"
        << script;
    EXPECT_EQ(script.find("Bitte"), std::string::npos) << f->ClassName();
  }
}

TEST_F(StandardGeneratorsTest, DefaultMessagesEscapeLabelsAndLanguageTexts) {
  const std::string label = "Ihr \"Name\"\\";
  const std::string escaped = "Ihr \\\"Name\\\"\\\\";
  struct Case {
    std::function<std::unique_ptr<TFormField>()> make;
    std::string language, alertLine;
  };
  const Case cases[] = {
      {[&] { return Make<TEinzField>("f", label); }, "Deutsch",
       "alert(\"Bitte füllen Sie das Feld " + escaped + " aus!\");"},
      {[&] { return Make<TPassField>("f", "Kennwort"); }, "English",
       R"(alert("Please fill in Kennwort \"now\"!");)"},
      {[&] { return Make<TCheckBoxField>("f", label); }, "Deutsch",
       "alert(\"Bitte kreuzen Sie " + escaped + " an!\");"},
      {[&] { return Make<TDropDownField>("f", label); }, "Deutsch",
       "alert(\"Bitte wählen Sie etwas im Feld " + escaped + " aus!\");"},
      {[&] { return Make<TRadioField>("f", label); }, "Deutsch",
       "alert(\"Bitte wählen Sie im Feld " + escaped + " \");"},
      {[&] {
         auto list = MakeList(true, false, false);
         list->Beschriftung = label;
         return list;
       },
       "Deutsch",
       "\t\talert(\"Bitte wählen Sie im Feld \\\"" + escaped +
           "\\\" mindestens einen Eintrag!\");"},
  };
  for (const Case& c : cases) {
    ctx_.Language = c.language;
    auto f = c.make();
    const std::string script = Check(*f);
    EXPECT_NE(script.find("\r\n" + c.alertLine + "\r\n"), std::string::npos)
        << f->ClassName() << ":\n"
        << script;
  }
}

// --- cookie scripts ---

TEST_F(StandardGeneratorsTest, CookieScriptsByKind) {
  const std::string textLoad = Lines({R"(   document.QZFORM.f.value = GetCookie("f");)", ""});
  const std::string textSave = Lines({"   cookie_f = 'f=' + escape(document.QZFORM.f.value);",
                                      "   document.cookie = cookie_f;", ""});
  struct Case {
    std::unique_ptr<TFormField> field;
    std::string load, save;
  };
  Case cases[] = {
      {Make<TEinzField>("f", "F"), textLoad, textSave},
      {Make<TCalField>("f", "F"), textLoad, textSave},
      {Make<TPassField>("f", "F"), textLoad, textSave},
      {Make<TMehrzField>("f", "F"), textLoad, textSave},
      {Make<TCheckBoxField>("f", "F"),
       Lines({R"(   if (GetCookie("f") == 'true') document.QZFORM.f.checked  = true;)", ""}),
       Lines({"   if (document.QZFORM.f.checked) cookie_f = 'f=true';",
              "   else cookie_f = 'f=false';", "   document.cookie = cookie_f;", ""})},
      {Make<TDropDownField>("f", "F"),
       Lines({R"(   document.QZFORM.f.selectedIndex = GetCookie("f");)", ""}),
       Lines({"   cookie_f = 'f=' + document.QZFORM.f.selectedIndex;",
              "   document.cookie = cookie_f;", ""})},
      {Make<TRadioField>("r", "R"),
       Lines({R"(    ir = GetCookie("r");)",
              R"(if (ir != "")   document.QZFORM.r[ir].checked  = true;)", ""}),
       Lines({"    for (i = 0;  i < document.QZFORM.r.length;  i++)", "\t\t{",
              "\t\t  if (document.QZFORM.r[i].checked)", "\t\t  {",
              "\t\t      cookie_r = 'r=' + i;", "\t\t      document.cookie = cookie_r;", "\t\t  }",
              "\t\t}", ""})},
      {Make<TFileField>("f", "F"), "", ""},
      {Make<TZwField>("", "Text"), "", ""},
  };
  for (Case& c : cases) {
    c.field->Cookie = true;
    auto g = Gen(*c.field);
    EXPECT_EQ(g->GetCookieLoadScript(), c.load) << c.field->ClassName();
    EXPECT_EQ(g->GetCookieSaveScript(), c.save) << c.field->ClassName();
  }
}

TEST_F(StandardGeneratorsTest, CheckboxListCookiesComeFromItsRememberedItemsOnly) {
  auto list = MakeList(false, false, true);  // the list's own Cookie is set, but counts for nothing
  auto g = Gen(*list);
  EXPECT_EQ(
      g->GetCookieLoadScript(),
      Lines({R"(   if (GetCookie("reisen") == 'true') document.QZFORM.reisen.checked  = true;)",
             ""}));
  EXPECT_EQ(g->GetCookieSaveScript(),
            Lines({"   if (document.QZFORM.reisen.checked) cookie_reisen = 'reisen=true';",
                   "   else cookie_reisen = 'reisen=false';", "   document.cookie = cookie_reisen;",
                   ""}));

  list->Items[1]->Cookie = false;
  EXPECT_EQ(Gen(*list)->GetCookieLoadScript(), "");
  EXPECT_EQ(Gen(*list)->GetCookieSaveScript(), "");
}

// --- counter ---

TEST_F(StandardGeneratorsTest, CounterScript) {
  const std::string head =
      Lines({R"(<script type="text/javascript">)", "<!--", "function zaehle_msg()", "{",
             "\tif (window.document.QZFORM.msg.value.length>200)", "\t{",
             "\t\twindow.document.QZFORM.msg.value=formfeld;", " \t\treturn;", "\t}", " \telse",
             "\t{", "\t\tformfeld = window.document.QZFORM.msg.value;"});
  const std::string display =
      Lines({" \t\twindow.document.QZFORM.anzeige_msg.value = "
             "200-window.document.QZFORM.msg.value.length;"});
  const std::string tail = Lines({"\t}", "}", "//--></script>"});
  struct Case {
    std::string maxLaenge;
    bool display;
    std::string expected;
  };
  const Case cases[] = {
      {"200", true, head + display + tail},
      {"200", false, head + tail},
      {"", true, ""},
  };
  for (const Case& c : cases) {
    auto f = Make<TMehrzField>("msg", "Nachricht");
    f->MaxLaenge = c.maxLaenge;
    f->ZeichenAnzeige = c.display;
    EXPECT_EQ(Gen(*f)->GetCounterScript(), c.expected) << c.maxLaenge << c.display;
  }
}

}  // namespace

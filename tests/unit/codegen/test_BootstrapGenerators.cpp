// The Bootstrap-layout generators: the grid-row markup of every field type,
// the scripts they hand over from the standard layout, and the scrambled
// recipient choices of a drop-down.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>

#include "codegen/BootstrapGenerators.h"
#include "codegen/BootstrapSimpleCheckbox.h"
#include "codegen/FormFieldGeneratorFactory.h"
#include "model/ProjectSettings.h"
#include "model/uCalendarClass.h"
#include "model/uCheckBoxClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uFileUploadClass.h"
#include "model/uMultiLineClass.h"
#include "model/uPasswortFieldClass.h"
#include "model/uRadioButtonClass.h"
#include "model/uSimpleCheckboxClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"
#include "shell/QZPlatform.h"

namespace {

// Each text followed by CR LF.
std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The five opening lines of a row for a field named name with label label.
std::string Opening(const std::string& name, const std::string& label) {
  return Lines({"<div class=\"row\">", "\t<div class=\"col-md-2\">",
                "\t\t<label for=\"" + name + "\" class=\"control-label\">" + label + "</label>",
                "\t</div>", "\t<div class=\"col-md-10\">"});
}

const std::string kClosing = "\t</div>\r\n</div>\r\n";

class BootstrapGeneratorsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/quazel-bootstrap-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    programDir_ = pattern;
    std::ofstream ini(programDir_ + "/lang.ini", std::ios::binary);
    ini << "[Deutsch]\r\n"
           "txtCalender3=Bitte füllen Sie das Feld\r\n"
           "txtCalender4=aus!\r\n"
           "txtCheckbox1=Bitte kreuzen Sie\r\n"
           "txtCheckbox2=an!\r\n"
           "txtCheckboxList0=Bitte wählen Sie im Feld\r\n"
           "txtCheckboxList1=mindestens eine Option!\r\n"
           "txtRadioButtons0=Bitte wählen Sie eine Option im Feld\r\n"
           "[English]\r\n"
           "txtCalender3=Please fill in the field\r\n"
           "txtCalender4=!\r\n";
  }
  static void TearDownTestSuite() { std::filesystem::remove_all(programDir_); }

  void SetUp() override {
    TQZPlatform::SetProgramDir(programDir_);
    ctx_.Layout = 1;
    ctx_.Project = &settings_;
  }
  void TearDown() override { TQZPlatform::SetProgramDir(""); }

  std::unique_ptr<TFormFieldGenerator> Bootstrap(const TFormField& field) {
    return TFormFieldGeneratorFactory::CreateGenerator(field.GeneratorKind(), 1, field, ctx_);
  }
  std::string Html(const TFormField& field) {
    auto generator = Bootstrap(field);
    return generator ? generator->GetHtmlCode() : "<no generator>";
  }

  static inline std::string programDir_;
  TProjectSettings settings_;
  TGenContext ctx_;
};

// --- text inputs ---

struct TextInputCase {
  const char* what;
  std::string vorgabewert;
  bool vorgabeLoeschen;
  std::string maxLaenge;
  std::string beschriftungNach;
  std::string inputTail;  // what follows id="email" on the input line
  std::string help;       // the help-block line, or empty
};

const TextInputCase kTextInputCases[] = {
    {"value with maxLength", "a@b.de", false, "40", "", "value=\"a@b.de\" maxLength=\"40\">", ""},
    {"placeholder, no maxLength", "Ihre Adresse", true, "", "", "placeholder=\"Ihre Adresse\">",
     ""},
    {"empty value, help block", "", false, "", "<i>für Rückfragen</i>", "value=\"\">",
     "<p class=\"help-block\"><i>für Rückfragen</i></p>\r\n"},
    {"quotes written unchanged", "\"x\"", false, "5", "", "value=\"\"x\"\" maxLength=\"5\">", ""},
};

TEST_F(BootstrapGeneratorsTest, SingleLineAndPasswordWriteInputWithOptionalMaxLengthAndHelp) {
  for (const TextInputCase& c : kTextInputCases) {
    SCOPED_TRACE(c.what);
    TEinzField single;
    single.Name = "email";
    single.Beschriftung = "E-Mail <b>*</b>";
    single.Groesse = "30";  // the Bootstrap layout writes no size
    single.Vorgabewert = c.vorgabewert;
    single.VorgabeLoeschen = c.vorgabeLoeschen;
    single.MaxLaenge = c.maxLaenge;
    single.BeschriftungNach = c.beschriftungNach;
    EXPECT_EQ(Html(single),
              Opening("email", "E-Mail <b>*</b>") +
                  "\t\t<input type=\"text\" name=\"email\" class=\"form-control\" id=\"email\" " +
                  c.inputTail + "\r\n" + c.help + kClosing);

    TPassField password;
    password.Name = "email";
    password.Beschriftung = "E-Mail <b>*</b>";
    password.Vorgabewert = c.vorgabewert;
    password.VorgabeLoeschen = c.vorgabeLoeschen;
    password.MaxLaenge = c.maxLaenge;
    password.BeschriftungNach = c.beschriftungNach;
    EXPECT_EQ(Html(password),
              Opening("email", "E-Mail <b>*</b>") +
                  "\t\t<input type=\"password\" name=\"email\" class=\"form-control\" "
                  "id=\"email\" " +
                  c.inputTail + "\r\n" + c.help + kClosing);
  }
}

TEST_F(BootstrapGeneratorsTest, CalendarIsTheSingleLineInputWithoutMaxLengthOrScript) {
  TCalField cal;
  cal.Name = "termin";
  cal.Beschriftung = "Termin";
  cal.Vorgabewert = "TT.MM.JJJJ";
  cal.VorgabeLoeschen = true;
  cal.MaxLaenge = "10";
  cal.StartYear = 2020;
  cal.EndYear = 2030;
  cal.BeschriftungNach = "Wunschtermin";
  EXPECT_EQ(Html(cal), Opening("termin", "Termin") +
                           Lines({"\t\t<input type=\"text\" name=\"termin\" class=\"form-control\" "
                                  "id=\"termin\" placeholder=\"TT.MM.JJJJ\">",
                                  "<p class=\"help-block\">Wunschtermin</p>"}) +
                           kClosing);
}

// --- multi-line ---

TEST_F(BootstrapGeneratorsTest, MultiLineTextAreaVariants) {
  struct Case {
    const char* what;
    std::string hoehe;
    bool vorgabeLoeschen;
    std::string beschriftungNach;
    std::string line;  // the text-area line(s) between opening and closing
  };
  const std::string start = "\t\t<textarea id=\"textarea\" class=\"form-control\" name=\"msg\"";
  const Case cases[] = {
      {"default text inside", "5", false, "", start + " rows=\"5\">Hallo\r\nWelt</textarea>\r\n"},
      {"placeholder, no rows", "", true, "",
       start + " placeholder=\"Hallo\r\nWelt\"></textarea>\r\n"},
      {"help on the same line, then an empty line", "", false, "max. 200 Zeichen",
       start + ">Hallo\r\nWelt</textarea><p class=\"help-block\">max. 200 Zeichen</p>\r\n\r\n"},
      {"placeholder, rows and help", "3", true, "Hinweis",
       start + " placeholder=\"Hallo\r\nWelt\" rows=\"3\"></textarea>"
               "<p class=\"help-block\">Hinweis</p>\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMehrzField field;
    field.Name = "msg";
    field.Beschriftung = "Nachricht";
    field.Vorgabewert = "Hallo\r\nWelt";
    field.Breite = "40";  // no cols in this layout
    field.MaxLaenge = "200";
    field.ZeichenAnzeige = true;  // no display either
    field.ZeichenAnzeigeText = "Zeichen übrig";
    field.Hoehe = c.hoehe;
    field.VorgabeLoeschen = c.vorgabeLoeschen;
    field.BeschriftungNach = c.beschriftungNach;
    EXPECT_EQ(Html(field), Opening("msg", "Nachricht") + c.line + kClosing);
  }
}

// --- drop-down ---

TEST_F(BootstrapGeneratorsTest, DropDownWritesOneOptionLinePerItem) {
  TDropDownField field;
  field.Name = "thema";
  field.Beschriftung = "Thema";
  field.Groesse = "1";
  field.BeschriftungNach = "(bitte wählen)";
  field.Felder = "Bitte wählen#  Lob|praise#Kritik|#a|b|c##'x|y'\r\nFrage | question ";
  EXPECT_EQ(
      Html(field),
      Opening("thema", "Thema") +
          Lines({"\t\t<select id=\"thema\" name=\"thema\" class=\"form-control\" "
                 "size=\"1\">",
                 "\t\t\t<option>Bitte wählen</option>",
                 "\t\t\t<option value=\"praise\">Lob</option>", "\t\t\t<option>Kritik|</option>",
                 "\t\t\t<option>a|b|c</option>", "\t\t\t<option>'x|y'</option>",
                 "\t\t\t<option value=\"question \">Frage </option>",
                 "\t\t</select> (bitte wählen)"}) +
          kClosing);
}

TEST_F(BootstrapGeneratorsTest, DropDownWithoutItemsAndWithEmptySize) {
  TDropDownField field;
  field.Name = "leer";
  EXPECT_EQ(Html(field),
            Opening("leer", "") +
                Lines({"\t\t<select id=\"leer\" name=\"leer\" class=\"form-control\" size=\"\">",
                       "\t\t</select> "}) +
                kClosing);
}

TEST_F(BootstrapGeneratorsTest, RecipientDropDownScramblesValuesOnlyWhenAddressesAreEncrypted) {
  struct Case {
    std::string name;
    bool crypt;
    std::string value;
  };
  const std::string plain = "sales@example.com";
  const std::string scrambled = "KTs2PykaPyI7Nyo2P3Q5NTc=";  // XOR 0x5A, then Base64
  const Case cases[] = {
      {"admin", true, scrambled}, {"admin1", true, scrambled}, {"admin2", true, scrambled},
      {"admin", false, plain},    {"Admin", true, plain},      {"admin3", true, plain},
      {"recipient", true, plain},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + (c.crypt ? " encrypted" : " plain"));
    settings_.cbCryptAddr = c.crypt;
    TDropDownField field;
    field.Name = c.name;
    field.Groesse = "1";
    field.Felder = "Vertrieb|sales@example.com#Keine Adresse";
    EXPECT_EQ(Html(field), Opening(c.name, "") +
                               Lines({"\t\t<select id=\"" + c.name + "\" name=\"" + c.name +
                                          "\" class=\"form-control\" size=\"1\">",
                                      "\t\t\t<option value=\"" + c.value + "\">Vertrieb</option>",
                                      "\t\t\t<option>Keine Adresse</option>", "\t\t</select> "}) +
                               kClosing);
  }
}

// --- check boxes ---

TEST_F(BootstrapGeneratorsTest, CheckboxWritesBoxWithTextAfterIt) {
  TCheckBoxField field;  // a new box submits "x"
  field.Name = "agb";
  field.Beschriftung = "AGB";
  field.BeschriftungNach = "Ich stimme den <a href=\"agb.htm\">AGB</a> zu";
  EXPECT_EQ(Html(field),
            Opening("agb", "AGB") +
                Lines({"\t\t<div class=\"checkbox\">", "\t\t\t<label>",
                       "\t\t<input type=\"checkbox\" name=\"agb\" value=\"x\" "
                       "class=\"checkbox\"> Ich stimme den <a href=\"agb.htm\">AGB</a> "
                       "zu<br>",
                       "\t\t\t</label>", "\t\t</div>"}) +
                kClosing);
}

TEST_F(BootstrapGeneratorsTest, CheckboxListWritesLabelledItemsButNotItsOwnTextAfter) {
  TCheckBoxList list;
  list.Name = "interessen";
  list.Beschriftung = "Interessen";
  list.BeschriftungNach = "never written";
  for (const auto& [name, label, value] :
       {std::tuple{"sport", "Sport", "ja"}, std::tuple{"musik", "Musik &amp; Kunst", "x"}}) {
    auto item = std::make_unique<TCheckBoxFieldSimple>();
    item->Name = name;
    item->Beschriftung = label;
    item->Vorgabewert = value;
    item->BeschriftungNach = "never written either";
    list.Items.push_back(std::move(item));
  }
  EXPECT_EQ(Html(list), Opening("interessen", "Interessen") +
                            Lines({"\t\t<div class=\"checkbox\">", "\t\t\t<label>",
                                   "\t\t\t\t<input type=\"checkbox\" name=\"sport\" value=\"ja\" "
                                   "class=\"checkbox\"> Sport",
                                   "\t\t\t</label>", "\t\t\t<br>", "\t\t\t<label>",
                                   "\t\t\t\t<input type=\"checkbox\" name=\"musik\" value=\"x\" "
                                   "class=\"checkbox\"> Musik &amp; Kunst",
                                   "\t\t\t</label>", "\t\t\t<br>", "\t\t</div>"}) +
                            kClosing);

  list.Items.clear();
  EXPECT_EQ(Html(list), Opening("interessen", "Interessen") +
                            Lines({"\t\t<div class=\"checkbox\">", "\t\t</div>"}) + kClosing);
}

// --- radio group ---

TEST_F(BootstrapGeneratorsTest, RadioGroupNumbersItsButtons) {
  struct Case {
    const char* what;
    std::string felder;
    bool singleLine;
    std::string beschriftungNach;
    std::string body;  // the lines between opening and closing
  };
  const std::string b = "\t\t<input type=\"radio\" name=\"anrede\" value=\"";
  const Case cases[] = {
      {"one per line", "Frau#Herr# Divers", false, "",
       Lines({b + "Frau\" id=\"anrede0\">&nbsp;Frau<br>",
              b + "Herr\" id=\"anrede1\">&nbsp;Herr<br>",
              b + "Divers\" id=\"anrede2\">&nbsp;Divers<br>", ""})},
      {"single line, help block", "Frau#Herr", true, "optional",
       Lines({b + "Frau\" id=\"anrede0\">&nbsp;Frau", b + "Herr\" id=\"anrede1\">&nbsp;Herr",
              "<p class=\"help-block\">optional</p>", ""})},
      {"no items", "", false, "", Lines({""})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TRadioField field;
    field.Name = "anrede";
    field.Beschriftung = "Anrede";
    field.Vorgabewert = "Herr";  // never preselected
    field.Felder = c.felder;
    field.SingleLine = c.singleLine;
    field.BeschriftungNach = c.beschriftungNach;
    EXPECT_EQ(Html(field), Opening("anrede", "Anrede") + c.body + kClosing);
  }
}

// --- file upload and intermediate text ---

TEST_F(BootstrapGeneratorsTest, FileUploadWithAndWithoutHelp) {
  TFileField field;
  field.Name = "anhang";
  field.Beschriftung = "Anhang";
  field.Groesse = "20";
  const std::string input =
      "\t\t<input id=\"anhang\" name=\"anhang\" class=\"input-file form-control\" "
      "type=\"file\">\r\n";
  EXPECT_EQ(Html(field), Opening("anhang", "Anhang") + input + kClosing);
  field.BeschriftungNach = "max. 2 MB";
  EXPECT_EQ(Html(field), Opening("anhang", "Anhang") + input +
                             "<p class=\"help-block\">max. 2 MB</p>\r\n" + kClosing);
}

TEST_F(BootstrapGeneratorsTest, IntermediateTextSitsInTheFieldColumn) {
  TZwField field;
  field.Beschriftung = "<h3>Ihre Daten</h3>";
  EXPECT_EQ(Html(field), Lines({"<div class=\"row\">", "\t<div class=\"col-md-2\">",
                                "\t\t<label class=\"control-label\"></label>", "\t</div>",
                                "\t<div class=\"col-md-10 zwtext\">", "\t\t<h3>Ihre Daten</h3>",
                                "\t</div>", "</div>"}));
  auto generator = Bootstrap(field);
  ASSERT_TRUE(generator);
  field.Pflicht = true;
  field.Cookie = true;
  EXPECT_EQ(generator->GetCheckScript(), "");
  EXPECT_EQ(generator->GetCookieLoadScript(), "");
  EXPECT_EQ(generator->GetCookieSaveScript(), "");
}

// --- scripts ---

// Every script of a Bootstrap generator is the standard generator's script for
// the same field, for each operation.
TEST_F(BootstrapGeneratorsTest, ScriptsAreThoseOfTheStandardLayout) {
  TEinzField number;
  number.PflichtTyp = 2;
  TCalField cal;  // a presence check, whatever its single-line check kind
  cal.PflichtTyp = 1;
  TPassField password;
  TMehrzField counted;
  counted.MaxLaenge = "200";
  counted.ZeichenAnzeige = true;
  TDropDownField dropdown;
  dropdown.Groesse = "1";
  TCheckBoxField box;
  TRadioField radio;
  radio.Felder = "a#b";
  TFileField file;
  TCheckBoxList list;
  for (const char* itemName : {"i1", "i2"}) {
    auto item = std::make_unique<TCheckBoxFieldSimple>();
    item->Name = itemName;
    item->Beschriftung = itemName;
    item->Pflicht = true;
    item->Cookie = true;
    list.Items.push_back(std::move(item));
  }
  TFormField* fields[] = {&number, &cal,   &password, &counted, &dropdown,
                          &box,    &radio, &file,     &list};
  for (TFormField* field : fields) {
    SCOPED_TRACE(field->ClassName());
    field->Name = "f";
    field->Beschriftung = "Feld \"F\"";
    field->Pflicht = true;
    field->Cookie = true;
    auto bootstrap = Bootstrap(*field);
    auto standard =
        TFormFieldGeneratorFactory::CreateGenerator(field->GeneratorKind(), 0, *field, ctx_);
    ASSERT_TRUE(bootstrap);
    ASSERT_TRUE(standard);
    EXPECT_NE(bootstrap->GetCheckScript(), "");
    EXPECT_EQ(bootstrap->GetCheckScript(), standard->GetCheckScript());
    EXPECT_EQ(bootstrap->GetCookieLoadScript(), standard->GetCookieLoadScript());
    EXPECT_EQ(bootstrap->GetCookieSaveScript(), standard->GetCookieSaveScript());
    EXPECT_EQ(bootstrap->GetCounterScript(), standard->GetCounterScript());
  }
  // The multi-line counter is handed over, not left out.
  EXPECT_NE(Bootstrap(counted)->GetCounterScript(), "");
}

TEST_F(BootstrapGeneratorsTest, CheckMessagesComeFromTheLanguageAndAreSafeInsideTheAlert) {
  struct Case {
    std::string language;
    std::string meldung;
    std::string alert;
  };
  const Case cases[] = {
      {"Deutsch", "", "alert(\"Bitte füllen Sie das Feld Ihr \\\"Termin\\\" aus!\");"},
      {"English", "", "alert(\"Please fill in the field Ihr \\\"Termin\\\" !\");"},
      {"Deutsch", "Datum fehlt:\r\nC:\\Termin", "alert(\"Datum fehlt:\\r\\nC:\\\\Termin\");"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language + " " + c.meldung);
    ctx_.Language = c.language;
    TCalField cal;
    cal.Name = "termin";
    cal.Beschriftung = "Ihr \"Termin\"";
    cal.Meldung = c.meldung;
    cal.Pflicht = true;
    EXPECT_EQ(Bootstrap(cal)->GetCheckScript(),
              Lines({"if(document.QZFORM.termin.value == \"\")  {", c.alert,
                     "document.QZFORM.termin.focus();", "return false;", "}"}));
  }
}

TEST_F(BootstrapGeneratorsTest, ListItemGeneratorWritesOneLineAndTheCheckboxScripts) {
  TCheckBoxFieldSimple item;
  item.Name = "newsletter";
  item.Beschriftung = "Newsletter";
  item.Cookie = true;
  TBootstrapSimpleCheckbox generator(item, ctx_);
  EXPECT_EQ(generator.GetHtmlCode(),
            "<input type=\"checkbox\" name=\"newsletter\" value=\"x\" class=\"checkbox\"> "
            "Newsletter\r\n");
  auto standardBox = TFormFieldGeneratorFactory::CreateGenerator(3, 0, item, ctx_);
  ASSERT_TRUE(standardBox);
  EXPECT_EQ(generator.GetCookieSaveScript(), standardBox->GetCookieSaveScript());
  EXPECT_EQ(generator.GetCookieLoadScript(), standardBox->GetCookieLoadScript());
}

}  // namespace

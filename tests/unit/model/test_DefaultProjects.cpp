// The files that the installation folder ships for new projects and for the
// first start: the default project of each language and the seeds of the
// user's formmailer and field-template lists. Each is exactly what the
// program's own writer makes of the values below. Set QUAZEL_WRITE_FIXTURES=1
// to write them again after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "ProjectTestSupport.h"
#include "model/FormMailerManager.h"
#include "model/ProjectFile.h"
#include "model/formfieldtemplatemanager.h"

using namespace projecttest;

namespace {

// The texts of one language's contact form.
struct TDefaultTexts {
  const char* File;
  const char* Title;  // page title, form heading, mail subject, project title
  const char* Intro;
  const char* EndText;
  const char* Send;
  const char* Reset;
  const char* Print;
  const char* CaptchaCaption;
  const char* CaptchaError;  // the language's text for a wrong captcha code
  int DateFormat;            // position in the calendar dialog's format list
  const char* SalutationName;
  const char* SalutationLabel;
  const char* Salutations;
  const char* NameName;
  const char* NameLabel;
  const char* NameMessage;
  const char* EmailLabel;
  const char* EmailMessage;
  const char* SubjectName;
  const char* SubjectLabel;
  const char* MessageName;
  const char* MessageLabel;
  const char* MessageMessage;
  const char* CharactersLeft;
  const char* PrivacyName;
  const char* PrivacyLabel;
  const char* PrivacyText;
  const char* PrivacyMessage;
  const char* PrivacyValue;
};

const TDefaultTexts kGerman = {
    "default_de.qzf",
    "Kontaktformular",
    "Mit diesem Formular können Sie mit uns Kontakt aufnehmen.",
    "Mit * gekennzeichnete Felder sind Pflichtfelder.",
    "Absenden",
    "Zurücksetzen",
    "Drucken",
    "Spam-Schutz",
    "Der eingegebene Sicherheitscode ist nicht korrekt. Bitte versuchen Sie es noch einmal.",
    0,
    "anrede",
    "Anrede",
    "Frau#Herr#Divers",
    "name",
    "Name *",
    "Bitte geben Sie Ihren Namen ein.",
    "E-Mail *",
    "Bitte geben Sie eine gültige E-Mail-Adresse ein.",
    "betreff",
    "Betreff",
    "nachricht",
    "Nachricht *",
    "Bitte geben Sie Ihre Nachricht ein.",
    "Verbleibende Zeichen:",
    "datenschutz",
    "Datenschutz *",
    "Ich bin damit einverstanden, dass meine Angaben zur Beantwortung meiner Anfrage "
    "gespeichert und verarbeitet werden.",
    "Bitte stimmen Sie der Verarbeitung Ihrer Angaben zu.",
    "ja",
};

std::vector<TDefaultTexts> Languages() {
  TDefaultTexts fallback = kGerman;
  fallback.File = "default_Deutsch.qzf";
  return {
      kGerman,
      {
          "default_en.qzf",
          "Contact form",
          "Use this form to get in touch with us.",
          "Fields marked * are required.",
          "Send",
          "Reset",
          "Print",
          "Spam protection",
          "The security code you entered is not correct. Please try again.",
          3,
          "salutation",
          "Salutation",
          "Ms#Mr#Other",
          "name",
          "Name *",
          "Please enter your name.",
          "E-mail *",
          "Please enter a valid e-mail address.",
          "subject",
          "Subject",
          "message",
          "Message *",
          "Please enter your message.",
          "Characters left:",
          "privacy",
          "Privacy *",
          "I agree that my details are stored and processed to answer my enquiry.",
          "Please agree to the processing of your details.",
          "yes",
      },
      {
          "default_fr.qzf",
          "Formulaire de contact",
          "Ce formulaire vous permet de prendre contact avec nous.",
          "Les champs marqués d’un * sont obligatoires.",
          "Envoyer",
          "Réinitialiser",
          "Imprimer",
          "Protection anti-spam",
          "Le code de sécurité saisi est incorrect. Veuillez réessayer.",
          3,
          "civilite",
          "Civilité",
          "Madame#Monsieur#Autre",
          "nom",
          "Nom *",
          "Veuillez saisir votre nom.",
          "E-mail *",
          "Veuillez saisir une adresse e-mail valide.",
          "objet",
          "Objet",
          "message",
          "Message *",
          "Veuillez saisir votre message.",
          "Caractères restants :",
          "confidentialite",
          "Confidentialité *",
          "J’accepte que mes données soient enregistrées et traitées afin de répondre à ma "
          "demande.",
          "Veuillez accepter le traitement de vos données.",
          "oui",
      },
      {
          "default_it.qzf",
          "Modulo di contatto",
          "Con questo modulo potete mettervi in contatto con noi.",
          "I campi contrassegnati con * sono obbligatori.",
          "Invia",
          "Reimposta",
          "Stampa",
          "Protezione anti-spam",
          "Il codice di sicurezza inserito non è corretto. Riprovare.",
          3,
          "appellativo",
          "Appellativo",
          "Signora#Signore#Altro",
          "nome",
          "Nome *",
          "Inserire il proprio nome.",
          "E-mail *",
          "Inserire un indirizzo e-mail valido.",
          "oggetto",
          "Oggetto",
          "messaggio",
          "Messaggio *",
          "Inserire il messaggio.",
          "Caratteri rimanenti:",
          "privacy",
          "Privacy *",
          "Acconsento alla memorizzazione e al trattamento dei miei dati per rispondere alla mia "
          "richiesta.",
          "Acconsentire al trattamento dei dati.",
          "sì",
      },
      fallback,
  };
}

// The contact form of one language: Bootstrap layout, both design panels and
// the calendar in one calm blue look, no recipients and no formmailer address
// (the user's list supplies that one when the project is loaded).
TProject DefaultProject(const TDefaultTexts& t) {
  TProject p;
  TProjectSettings& s = p.Settings;
  s.edtFormTitel = t.Title;
  s.memoEinleitung = t.Intro;
  s.memoTextEnde = t.EndText;
  s.edtTabWidth = "80%";
  s.cboTabAusrichtung = 0;
  s.chkPrintButton = false;
  s.chkResetButton = true;
  s.edtPrint = t.Print;
  s.edtSendenButton = t.Send;
  s.edtCancelButton = t.Reset;
  s.ComboFormType = 1;

  s.cboFontHeader = "Arial,Helvetica,Geneva";
  s.edtSizeHeader = "16";
  s.cboFontForm = "Arial,Helvetica,Geneva";
  s.edtSizeForm = "10";
  s.edtBGPicture = "";
  s.edtHGColor = "FFFFFF";
  s.edtHeaderColor = "1F4E79";
  s.edtTextColor = "333333";
  s.edtTabColor = "EEF3F8";
  s.cboStandardButton = true;
  s.edtHintergrundButton = "1F4E79";
  s.edtFarbeButton = "FFFFFF";
  s.cboRahmenButton = "solid";
  s.edtStaerkeButton = "1";
  s.cboStaerkeRahmen = "px";
  s.cboStandardFeld = true;
  s.edtHGFormField = "FFFFFF";
  s.edtColorFormField = "7F9DB9";
  s.edtRahmenFormField = "solid";
  s.edtStaerkeFormField = "1";
  s.cboRahmenFormField = "px";
  s.cboFontFormField = "Arial,Helvetica,Geneva";
  s.edtSizeFormField = "12";
  s.cboSchriftFormEinheit = "px";
  s.edtFontColorFormField = "333333";

  s.Bootstrap_edtHGColor = "FFFFFF";
  s.Bootstrap_edtHeaderColor = "1F4E79";
  s.Bootstrap_edtTextColor = "333333";
  s.Bootstrap_cboFontHeader = "Arial,Helvetica,Geneva";
  s.Bootstrap_cboFontForm = "Arial,Helvetica,Geneva";
  s.Bootstrap_edtSizeHeader = "20";
  s.Bootstrap_edtSizeForm = "11";
  s.BootstrapFormFieldBackground = "FFFFFF";
  s.Bootstrap_SpinBoxLeftColumn = 3;
  s.Bootstrap_ComboFormFieldSize = 0;
  s.Bootstrap_CheckBoxSendButton = false;
  s.Bootstrap_SendButtonFontColorStandard = "FFFFFF";
  s.Bootstrap_SendButtonBackgroundStandard = "1F4E79";
  s.Bootstrap_SendButtonFontMouseOver = "FFFFFF";
  s.Bootstrap_SendButtonBackgroundMouseOver = "163A5C";
  s.Bootstrap_CheckBoxResetButton = true;
  s.Bootstrap_CheckBoxPrintButton = true;

  s.edtEMail = "";
  s.edtEMail1 = "";
  s.edtEMail2 = "";
  s.cbCryptAddr = true;  // keeps the addresses the user enters away from harvesters
  s.cboMailFormat = "html";
  s.edtBetreff = t.Title;
  s.edtTitel = t.Title;
  s.edtDanke = "";
  s.chkAbsender = false;
  s.cboTarget = "_self";
  s.CaptchaErrorMessage = t.CaptchaError;
  s.encoding = "utf-8";
  s.ProjectSettings_title = t.Title;
  s.ProjectSettings_url = "https://";

  s.CalendarDesign_cboFont = "Arial,Helvetica,Geneva";
  s.CalendarDesign_edtFontSize = "10";
  s.CalendarDesign_edtTextColor = "333333";
  s.CalendarDesign_edtBGColorDay = "DCE6F0";
  s.CalendarDesign_edtBGColorHeader = "1F4E79";
  s.CalendarDesign_edtTextColorHeader = "FFFFFF";
  s.CalendarDesign_edtBGColorCal = "FFFFFF";
  s.CalendarDesign_edtBorderSize = "1";
  s.CalendarDesign_edtBorderType = "solid";
  s.CalendarDesign_edtBorderColor = "1F4E79";
  s.CalendarDesign_cboDateFormat = t.DateFormat;

  s.chkCaptcha = false;
  s.edtCaptchaText1 = t.CaptchaCaption;
  s.memoMailtext = "";
  s.cboFormMailer = "";

  auto salutation = std::make_unique<TRadioField>();
  salutation->Name = t.SalutationName;
  salutation->Beschriftung = t.SalutationLabel;
  salutation->Felder = t.Salutations;
  salutation->SingleLine = true;
  p.Fields.Add(std::move(salutation));

  auto name = std::make_unique<TEinzField>();
  name->Name = t.NameName;
  name->Beschriftung = t.NameLabel;
  name->Pflicht = true;
  name->Meldung = t.NameMessage;
  name->Groesse = "30";
  name->MaxLaenge = "100";
  p.Fields.Add(std::move(name));

  auto email = std::make_unique<TEinzField>();
  email->Name = "email";
  email->Beschriftung = t.EmailLabel;
  email->Pflicht = true;
  email->PflichtTyp = 1;
  email->Meldung = t.EmailMessage;
  email->Groesse = "30";
  email->MaxLaenge = "100";
  p.Fields.Add(std::move(email));

  auto subject = std::make_unique<TEinzField>();
  subject->Name = t.SubjectName;
  subject->Beschriftung = t.SubjectLabel;
  subject->Groesse = "30";
  subject->MaxLaenge = "150";
  p.Fields.Add(std::move(subject));

  auto message = std::make_unique<TMehrzField>();
  message->Name = t.MessageName;
  message->Beschriftung = t.MessageLabel;
  message->Pflicht = true;
  message->Meldung = t.MessageMessage;
  message->Hoehe = "8";
  message->Breite = "40";
  message->MaxLaenge = "2000";
  message->ZeichenAnzeige = true;
  message->ZeichenAnzeigeText = t.CharactersLeft;
  p.Fields.Add(std::move(message));

  auto privacy = std::make_unique<TCheckBoxField>();
  privacy->Name = t.PrivacyName;
  privacy->Beschriftung = t.PrivacyLabel;
  privacy->BeschriftungNach = t.PrivacyText;
  privacy->Pflicht = true;
  privacy->Meldung = t.PrivacyMessage;
  privacy->Vorgabewert = t.PrivacyValue;
  p.Fields.Add(std::move(privacy));
  return p;
}

// The seed of the user's field templates: fields that many forms need.
FieldList TemplateFields() {
  FieldList fields;
  auto email = std::make_unique<TEinzField>();
  email->Name = "email";
  email->Beschriftung = "E-Mail";
  email->Pflicht = true;
  email->PflichtTyp = 1;
  email->Meldung = "Bitte geben Sie eine gültige E-Mail-Adresse ein.";
  email->Groesse = "30";
  email->MaxLaenge = "100";
  fields.Add(std::move(email));

  auto phone = std::make_unique<TEinzField>();
  phone->Name = "telefon";
  phone->Beschriftung = "Telefon";
  phone->Groesse = "20";
  phone->MaxLaenge = "30";
  fields.Add(std::move(phone));

  auto salutation = std::make_unique<TRadioField>();
  salutation->Name = "anrede";
  salutation->Beschriftung = "Anrede";
  salutation->Felder = "Frau#Herr#Divers";
  salutation->SingleLine = true;
  fields.Add(std::move(salutation));

  auto country = std::make_unique<TDropDownField>();
  country->Name = "land";
  country->Beschriftung = "Land";
  country->Felder =
      "Deutschland#Österreich#Schweiz#Liechtenstein#Luxemburg#Belgien#Niederlande#Frankreich#"
      "Italien#anderes Land";
  country->Groesse = "1";
  fields.Add(std::move(country));

  auto birthday = std::make_unique<TCalField>();
  birthday->Name = "geburtsdatum";
  birthday->Beschriftung = "Geburtsdatum";
  birthday->Groesse = "12";
  birthday->MaxLaenge = "10";
  birthday->StartYear = 1920;
  birthday->EndYear = 2030;
  fields.Add(std::move(birthday));

  auto privacy = std::make_unique<TCheckBoxField>();
  privacy->Name = "datenschutz";
  privacy->Beschriftung = "Datenschutz";
  privacy->BeschriftungNach =
      "Ich bin damit einverstanden, dass meine Angaben zur Beantwortung meiner Anfrage "
      "gespeichert und verarbeitet werden.";
  privacy->Pflicht = true;
  privacy->Meldung = "Bitte stimmen Sie der Verarbeitung Ihrer Angaben zu.";
  privacy->Vorgabewert = "ja";
  fields.Add(std::move(privacy));
  return fields;
}

const std::vector<std::string> kFormMailerLinks = {
    "https://www.example.com/formmailer/formmail.php"};

bool Rewrite() {
  return std::getenv("QUAZEL_WRITE_FIXTURES") != nullptr;
}

fs::path Shipped(const std::string& name) {
  return fs::path(QUAZEL_DATA_DIR) / name;
}

// A name the name edits accept: a letter or "_" first, then letters, digits
// and "_".
bool IsFieldName(const std::string& name) {
  if (name.empty()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    if (!letter && !(i > 0 && c >= '0' && c <= '9')) return false;
  }
  return true;
}

using DefaultProjectsTest = FolderTest;

TEST_F(DefaultProjectsTest, ShippedDefaultProjectsAreWhatSaveProjectWritesAndLoadUnchanged) {
  for (const TDefaultTexts& texts : Languages()) {
    SCOPED_TRACE(texts.File);
    const TProject project = DefaultProject(texts);
    const fs::path path = Shipped(texts.File);
    if (Rewrite()) {
      ASSERT_TRUE(SaveProject(path.string(), project).Ok);
    }
    const std::string shipped = ReadFile(path);
    EXPECT_EQ(shipped, ProjectToXml(project));

    TProject loaded;
    const LoadResult result = LoadProject(path.string(), loaded, TLoadEnv{});
    ASSERT_TRUE(result.Ok) << result.Details();
    EXPECT_EQ(loaded.Settings, project.Settings);
    EXPECT_EQ(ProjectToXml(loaded), shipped);
  }
}

// The dialogs accept only such names, and the page, its checks and the mail
// address fields by them: a name that no dialog could have produced, or one
// used twice, breaks the new project's page.
TEST_F(DefaultProjectsTest, ShippedFieldsCarryNamesTheDialogsAcceptOnce) {
  for (const TDefaultTexts& texts : Languages()) {
    SCOPED_TRACE(texts.File);
    TProject loaded;
    ASSERT_TRUE(LoadProject(Shipped(texts.File).string(), loaded, TLoadEnv{}).Ok);
    std::set<std::string> names;
    for (const auto& field : loaded.Fields) {
      EXPECT_TRUE(IsFieldName(field->Name)) << field->Name;
      EXPECT_TRUE(names.insert(field->Name).second) << field->Name << " twice";
    }
  }
}

TEST_F(DefaultProjectsTest, ShippedSeedListsAreWhatTheStoresWrite) {
  // The stores write into the per-user folder of this test.
  ASSERT_TRUE(TFormMailerManager::SaveLinks(kFormMailerLinks));
  for (const auto& field : TemplateFields())
    ASSERT_TRUE(TFormFieldTemplateManager::AddTemplate(*field));

  for (const char* name : {"formmailers.xml", "vorlagen.xml"}) {
    SCOPED_TRACE(name);
    const std::string written = ReadFile(userDir / name);
    if (Rewrite()) {
      WriteFile(Shipped(name), written);
    }
    EXPECT_EQ(ReadFile(Shipped(name)), written);
  }

  // What a first start gives the user reads back as these lists.
  fs::remove(userDir / "formmailers.xml");
  fs::remove(userDir / "vorlagen.xml");
  fs::copy_file(Shipped("formmailers.xml"), userDir / "formmailers.xml");
  fs::copy_file(Shipped("vorlagen.xml"), userDir / "vorlagen.xml");
  EXPECT_EQ(TFormMailerManager::LoadLinks(), kFormMailerLinks);
  const FieldList fields = TemplateFields();
  std::vector<std::string> names;
  for (const auto& field : fields) names.push_back(field->Name);
  EXPECT_EQ(TFormFieldTemplateManager::GetTemplateNames(), names);
  for (int i = 0; i < fields.Count(); ++i) {
    auto field = TFormFieldTemplateManager::CreateFieldFromTemplate(i);
    ASSERT_NE(field, nullptr) << names[i];
    EXPECT_EQ(field->ClassName(), fields[i].ClassName());
  }
}

}  // namespace

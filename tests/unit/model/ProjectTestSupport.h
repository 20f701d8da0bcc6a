#pragma once
// Shared by the project-file, store and command-line tests: a fresh set of
// folders per test with a small lang.ini, file helpers, and the two sample
// projects that tests/fixtures holds as saved files.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "model/Project.h"
#include "model/uCalendarClass.h"
#include "model/uCheckBoxClass.h"
#include "model/uCheckBoxListClass.h"
#include "model/uDropDownClass.h"
#include "model/uFileUploadClass.h"
#include "model/uMultiLineClass.h"
#include "model/uPasswortFieldClass.h"
#include "model/uRadioButtonClass.h"
#include "model/uSingleLineClass.h"
#include "model/uZwFieldClass.h"
#include "shell/QZPlatform.h"

namespace projecttest {

namespace fs = std::filesystem;

// The texts the loader takes from lang.ini, in two languages.
inline const std::string kNoProjectDe = "Keine Quazel-Projektdatei";
inline const std::string kNoProjectEn = "Not a Quazel project file";
inline const std::string kCaptchaDe = "Code falsch";
inline const std::string kCaptchaEn = "Wrong code";

inline std::string LangIni() {
  return "[Deutsch]\r\ntxtMainFrmNoQZFile=" + kNoProjectDe + "\r\n154=" + kCaptchaDe +
         "\r\n[English]\r\ntxtMainFrmNoQZFile=" + kNoProjectEn + "\r\n154=" + kCaptchaEn + "\r\n";
}

inline void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> FolderEntries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class TSilentServices : public IPlatformServices {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void OpenURL(const std::string&) override {}
  std::vector<std::string> messages;
};

// Each test gets its own installation folder (with lang.ini), per-user folder
// (not created) and work folder.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quazel-project-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root = pattern;
    programDir = root / "program";
    userDir = root / "user" / "Quazel";
    work = root / "work";
    fs::create_directories(work);
    WriteFile(programDir / "lang.ini", LangIni());
    TQZPlatform::SetProgramDir(programDir.string());
    TQZPlatform::SetUserDir(userDir.string());
    services = std::make_shared<TSilentServices>();
    TQZPlatform::SetServices(services);
  }
  void TearDown() override {
    TQZPlatform::SetServices(nullptr);
    TQZPlatform::SetProgramDir("");
    TQZPlatform::SetUserDir("");
    std::error_code ec;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root, ec);
  }

  fs::path root, programDir, userDir, work;
  std::shared_ptr<TSilentServices> services;
};

// A small contact form: name, e-mail with address check, subject, message
// with character counter, privacy check box.
inline TProject ContactProject() {
  TProject p;
  TProjectSettings& s = p.Settings;
  s.edtFormTitel = "Kontakt";
  s.memoEinleitung = "Schreiben Sie uns.\r\nWir antworten innerhalb von zwei Tagen.";
  s.edtTabWidth = "500px";
  s.edtSendenButton = "Absenden";
  s.edtCancelButton = "Zurücksetzen";
  s.chkResetButton = true;
  s.edtEMail = "info@example.com";
  s.edtBetreff = "Anfrage über das Kontaktformular";
  s.edtTitel = "Kontaktformular";
  s.edtDanke = "https://www.example.com/danke.html";
  s.cbCryptAddr = true;
  s.CaptchaErrorMessage = "Der Sicherheitscode ist nicht korrekt.";
  s.cboFormMailer = "https://www.example.com/cgi-bin/formmailer.php";

  auto name = std::make_unique<TEinzField>();
  name->Name = "name";
  name->Beschriftung = "Name";
  name->Pflicht = true;
  name->Meldung = "Bitte geben Sie Ihren Namen ein.";
  name->Groesse = "30";
  name->MaxLaenge = "80";
  p.Fields.Add(std::move(name));

  auto email = std::make_unique<TEinzField>();
  email->Name = "email";
  email->Beschriftung = "E-Mail";
  email->Pflicht = true;
  email->Meldung = "Bitte geben Sie eine gültige E-Mail-Adresse ein.";
  email->Cookie = true;
  email->Groesse = "30";
  email->MaxLaenge = "100";
  email->PflichtTyp = 1;
  p.Fields.Add(std::move(email));

  auto subject = std::make_unique<TEinzField>();
  subject->Name = "betreff";
  subject->Beschriftung = "Betreff";
  subject->Groesse = "30";
  subject->MaxLaenge = "120";
  p.Fields.Add(std::move(subject));

  auto message = std::make_unique<TMehrzField>();
  message->Name = "nachricht";
  message->Beschriftung = "Ihre Nachricht";
  message->Pflicht = true;
  message->Meldung = "Bitte schreiben Sie eine Nachricht.";
  message->Hoehe = "8";
  message->Breite = "40";
  message->MaxLaenge = "1000";
  message->ZeichenAnzeige = true;
  message->ZeichenAnzeigeText = "Zeichen übrig";
  p.Fields.Add(std::move(message));

  auto privacy = std::make_unique<TCheckBoxField>();
  privacy->Name = "datenschutz";
  privacy->Beschriftung = "Datenschutz";
  privacy->BeschriftungNach = "Ich habe die Datenschutzerklärung gelesen.";
  privacy->Pflicht = true;
  privacy->Meldung = "Bitte bestätigen Sie die Datenschutzerklärung.";
  privacy->Vorgabewert = "ja";
  p.Fields.Add(std::move(privacy));
  return p;
}

// Every field type and every setting away from its initial value, with
// line breaks, markup characters and umlauts in the texts, and own templates.
inline TProject AllFieldsProject() {
  TProject p;
  TProjectSettings& s = p.Settings;
  const TProjectSettings initial;
  for (const TSettingKey& key : ProjectSettingKeys()) {
    if (auto m = std::get_if<std::string TProjectSettings::*>(&key.Member)) {
      s.*(*m) = key.Kind == TSettingKind::Colour ? "1A2B3C" : std::string("Wert ") + key.Key;
    } else if (auto b = std::get_if<bool TProjectSettings::*>(&key.Member)) {
      s.*(*b) = !(initial.*(*b));
    } else if (auto i = std::get_if<int TProjectSettings::*>(&key.Member)) {
      s.*(*i) = initial.*(*i) + 1;
    }
  }
  s.edtFormTitel = "Anmeldung & Rückfragen <2026>";
  s.memoEinleitung = "Erste Zeile\r\nZweite Zeile mit \"Anführung\"\r\n\r\nNach einer Leerzeile";
  s.memoTextEnde = "Danke – bis bald!";
  s.edtTabWidth = "80%";
  s.cboTabAusrichtung = 2;
  s.cboMailFormat = "xml";
  s.cboTarget = "_blank";
  s.encoding = "utf-8";
  s.tax = "netto";
  s.HtmlTemplate =
      "<html>\r\n<head><title><!-- TITLE --></title></head>\r\n<body>Ä</body>\r\n</html>";
  s.HtmlTemplateBootstrap = "<!DOCTYPE html>\r\n<html><body><!-- FORM --></body></html>\r\n";
  s.ProjectSettings_url = "https://www.example.org/";
  s.CalendarDesign_cboDateFormat = 3;
  s.memoMailtext = "Neue Anfrage von {name}\r\nE-Mail: {email}";
  s.cboFormMailer = "https://www.example.org/formmail.php?a=1&b=2";

  auto single = std::make_unique<TEinzField>();
  single->Name = "email";
  single->Beschriftung = "E-Mail\r\nAdresse";
  single->BeschriftungNach = "(Pflicht)";
  single->Pflicht = true;
  single->Meldung = "Bitte eine E-Mail-Adresse angeben";
  single->Cookie = true;
  single->Vorgabewert = "name@example.com";
  single->Groesse = "25";
  single->MaxLaenge = "100";
  single->VorgabeLoeschen = true;
  single->PflichtTyp = 1;
  single->MindestLaenge = 6;
  p.Fields.Add(std::move(single));

  auto cal = std::make_unique<TCalField>();
  cal->Name = "termin";
  cal->Beschriftung = "Wunschtermin";
  cal->Pflicht = true;
  cal->Meldung = "Bitte ein Datum wählen";
  cal->Vorgabewert = "01.01.2027";
  cal->Groesse = "12";
  cal->MaxLaenge = "10";
  cal->VorgabeLoeschen = true;
  cal->StartYear = 2026;
  cal->EndYear = 2030;
  p.Fields.Add(std::move(cal));

  auto pass = std::make_unique<TPassField>();
  pass->Name = "kennwort";
  pass->Beschriftung = "Kennwort";
  pass->Vorgabewert = "geheim";
  pass->Groesse = "20";
  pass->MaxLaenge = "32";
  pass->VorgabeLoeschen = true;
  p.Fields.Add(std::move(pass));

  auto memo = std::make_unique<TMehrzField>();
  memo->Name = "nachricht";
  memo->Beschriftung = "Nachricht";
  memo->Pflicht = true;
  memo->Cookie = true;
  memo->Vorgabewert = "Zeile 1\r\nZeile 2 & <mehr>";
  memo->MaxLaenge = "500";
  memo->VorgabeLoeschen = true;
  memo->Hoehe = "6";
  memo->Breite = "50";
  memo->ZeichenAnzeige = true;
  memo->ZeichenAnzeigeText = "Zeichen übrig";
  p.Fields.Add(std::move(memo));

  auto drop = std::make_unique<TDropDownField>();
  drop->Name = "anliegen";
  drop->Beschriftung = "Anliegen";
  drop->Vorgabewert = "Beratung";
  drop->Felder = "Beratung#Angebot|angebot#Beschwerde";
  drop->Groesse = "1";
  p.Fields.Add(std::move(drop));

  auto check = std::make_unique<TCheckBoxField>();
  check->Name = "rueckruf";
  check->Beschriftung = "Rückruf";
  check->BeschriftungNach = "Bitte rufen Sie mich an";
  check->Vorgabewert = "ja";
  p.Fields.Add(std::move(check));

  auto radio = std::make_unique<TRadioField>();
  radio->Name = "anrede";
  radio->Beschriftung = "Anrede";
  radio->Pflicht = true;
  radio->Vorgabewert = "Frau";
  radio->Felder = "Frau#Herr#Divers";
  radio->SingleLine = true;
  p.Fields.Add(std::move(radio));

  auto file = std::make_unique<TFileField>();
  file->Name = "anhang";
  file->Beschriftung = "Anhang";
  file->Groesse = "40";
  p.Fields.Add(std::move(file));

  auto list = std::make_unique<TCheckBoxList>();
  list->Name = "interessen";
  list->Beschriftung = "Interessen";
  list->Pflicht = true;
  list->Meldung = "Bitte mindestens ein Interesse wählen";
  for (const char* item : {"Sport", "Musik", "Lesen"}) {
    auto box = std::make_unique<TCheckBoxFieldSimple>();
    box->Name = std::string("interesse_") + item;
    box->Beschriftung = item;
    box->Vorgabewert = item;
    list->Items.push_back(std::move(box));
  }
  p.Fields.Add(std::move(list));

  auto text = std::make_unique<TZwField>();
  text->Name = "hinweis";
  text->Beschriftung = "<b>Hinweis:</b> Pflichtfelder sind markiert.";
  p.Fields.Add(std::move(text));
  return p;
}

}  // namespace projecttest

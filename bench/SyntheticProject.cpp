#include "SyntheticProject.h"

#include <memory>
#include <string>

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

namespace {

constexpr int kKinds = 10;

// Labels carry umlauts, a sharp s and an en dash, so that entity and code-page
// conversion have work to do.
std::unique_ptr<TFormField> MakeField(int index) {
  const std::string n = std::to_string(index);
  std::unique_ptr<TFormField> field;
  switch (index % kKinds) {
    case 0: {
      auto f = std::make_unique<TEinzField>();
      f->Vorgabewert = "Wert " + n;
      f->Groesse = "30";
      f->MaxLaenge = "80";
      f->PflichtTyp = (index / kKinds) % 4;
      f->MindestLaenge = 3;
      field = std::move(f);
      break;
    }
    case 1: {
      auto f = std::make_unique<TPassField>();
      f->Groesse = "20";
      f->MaxLaenge = "32";
      field = std::move(f);
      break;
    }
    case 2: {
      auto f = std::make_unique<TDropDownField>();
      f->Vorgabewert = "Beratung";
      f->Felder = "Beratung#Angebot|angebot#Beschwerde#Größere Anfrage";
      f->Groesse = (index / kKinds) % 2 ? "3" : "1";
      field = std::move(f);
      break;
    }
    case 3: {
      auto f = std::make_unique<TCheckBoxField>();
      f->BeschriftungNach = "Bitte rufen Sie mich an";
      f->Vorgabewert = "ja";
      field = std::move(f);
      break;
    }
    case 4: {
      auto f = std::make_unique<TRadioField>();
      f->Vorgabewert = "Frau";
      f->Felder = "Frau#Herr#Divers";
      f->SingleLine = (index / kKinds) % 2 != 0;
      field = std::move(f);
      break;
    }
    case 5: {
      auto f = std::make_unique<TMehrzField>();
      f->Vorgabewert = "Zeile 1\r\nZeile 2 & <mehr>";
      f->Hoehe = "6";
      f->Breite = "50";
      f->MaxLaenge = "500";
      f->ZeichenAnzeige = true;
      f->ZeichenAnzeigeText = "Zeichen übrig";
      field = std::move(f);
      break;
    }
    case 6: {
      auto f = std::make_unique<TZwField>();
      f->Beschriftung = "<b>Hinweis " + n + ":</b> Pflichtfelder sind markiert.";
      field = std::move(f);
      break;
    }
    case 7: {
      auto f = std::make_unique<TCalField>();
      f->Groesse = "10";
      f->StartYear = 1950;
      f->EndYear = 2030;
      field = std::move(f);
      break;
    }
    case 8: {
      auto f = std::make_unique<TFileField>();
      f->Groesse = "40";
      field = std::move(f);
      break;
    }
    default: {
      auto f = std::make_unique<TCheckBoxList>();
      for (const char* item : {"Sport", "Musik", "Lesen"}) {
        auto box = std::make_unique<TCheckBoxFieldSimple>();
        box->Name = "f" + n + "_" + item;
        box->Beschriftung = item;
        box->Vorgabewert = item;
        box->Cookie = index % 2 == 0;
        f->Items.push_back(std::move(box));
      }
      field = std::move(f);
      break;
    }
  }
  field->Name = "f" + n;
  if (field->Beschriftung.empty()) field->Beschriftung = "Straße – Größe " + n;
  field->Pflicht = true;
  field->Meldung = "Bitte Feld " + n + " ausfüllen";
  field->Cookie = index % 2 == 0;
  return field;
}

}  // namespace

TProject MakeSyntheticProject(int fieldCount, int layout) {
  TProject project;
  TProjectSettings& s = project.Settings;
  s.ComboFormType = layout;
  s.edtFormTitel = "Anmeldung & Rückfragen";
  s.memoEinleitung = "Bitte füllen Sie das Formular aus.";
  s.memoTextEnde = "Danke – bis bald!";
  s.edtTabWidth = "80%";
  s.edtSendenButton = "Senden";
  s.edtCancelButton = "Zurücksetzen";
  s.edtEMail = "info@example.org";
  s.edtBetreff = "Anfrage";
  s.edtTitel = "Kontakt";
  s.edtDanke = "https://example.org/danke.html";
  s.cboFormMailer = "https://example.org/formmailer/formmail.php";
  s.chkCaptcha = true;
  s.edtCaptchaText1 = "Sicherheitscode";
  s.encoding = "iso-8859-1";
  for (int i = 0; i < fieldCount; ++i) project.Fields.Add(MakeField(i));
  return project;
}

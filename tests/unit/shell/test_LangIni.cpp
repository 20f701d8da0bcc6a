// The shipped language file: four languages with the same keys, every named
// key and every Tag number of the windows, the German design texts of the
// Tags, and accelerators kept in translation.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "ShellTestSupport.h"
#include "shell/IniFile.h"
#include "shell/QZPlatform.h"

namespace {

const std::string kLangIni = std::string(QUAZEL_DATA_DIR) + "lang.ini";
const std::string kFrancais =
    "Fran\xC3\xA7"
    "ais";

std::vector<std::string> NamedKeys() {
  std::vector<std::string> keys = {"cboCheckType0",
                                   "cboCheckType1",
                                   "cboCheckType2",
                                   "cboCheckType3",
                                   "cboTabAusrichtung0",
                                   "cboTabAusrichtung1",
                                   "cboTabAusrichtung2",
                                   "280",
                                   "281",
                                   "ComboFormFieldSize0",
                                   "ComboFormFieldSize1",
                                   "ComboFormFieldSize2",
                                   "ComboFormType0",
                                   "ComboFormType1",
                                   "154",
                                   "txtMainFrmSave1",
                                   "txtMainFrmSave2",
                                   "txtMainFrmDelete",
                                   "MsgInformation",
                                   "txtMainFrmEmailField",
                                   "txtMainFrmCopyToClipboard1",
                                   "txtMainFrmCopyToClipboard2",
                                   "txtMainFrmExtUnknown",
                                   "txtMainFrmFileNotFound",
                                   "txtMainFrmNoQZFile",
                                   "txtCalender0",
                                   "txtCalender1",
                                   "txtCalender2",
                                   "txtCalender3",
                                   "txtCalender4",
                                   "txtCheckbox1",
                                   "txtCheckbox2",
                                   "txtCheckbox3",
                                   "txtCheckboxList0",
                                   "txtCheckboxList1",
                                   "txtMultiline0",
                                   "txtRadioButtons0",
                                   "txtSaveChanges",
                                   "txtStandardTemplateRecover",
                                   "CaltodayText",
                                   "CalcloseText",
                                   "CalprevText",
                                   "CalnextText",
                                   "CalcurrentText"};
  for (int n = 39; n <= 48; ++n) keys.push_back(std::to_string(n));
  for (const char* m :
       {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}) {
    keys.push_back(std::string("cal") + m);
    keys.push_back(std::string("CalShort") + m);
  }
  for (const char* d : {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}) {
    keys.push_back(std::string("cal") + d);
    keys.push_back(std::string("longCal") + d);
  }
  return keys;
}

// Every Tag number that a window, menu entry, action, tab, group, label or
// list column carries, with the German design text of its controls and the
// controls themselves. Where controls sharing a number differ only by a
// trailing colon, the text has none; an accelerator is kept unless the number
// is also a window caption, whose title would show the "&".
struct TagText {
  const char* tag;
  const char* german;
  const char* controls;
};

const std::vector<TagText>& TagTexts() {
  static const std::vector<TagText> table = {
      {"1", "&Datei", "menu Datei1 (main window); menu of the formmailer links dialog"},
      {"2", "&Neu",
       "speed buttons sbNew (main window, check-box-list dialog) and btnNew; context entry Neu2; "
       "actions actNeu, actNew"},
      {"3", "Ö&ffnen", "action actLoad; speed button btnOpen of the form-type chooser"},
      {"4", "&Speichern", "action actSave"},
      {"5", "Speichern unter", "action actSaveAs"},
      {"6", "Eigensch&aften", "menu entry Eigenschaften1"},
      {"7", "Erweiterte Einstellungen", "menu entry ErweiterteFormulareinstellungen1"},
      {"8", "&Beenden", "action actExit"},
      {"9", "&Bearbeiten",
       "menu Bearbeiten1; context entry Bearbeiten2; speed buttons sbEditField (main window, "
       "check-box-list dialog); action actEdit"},
      {"12", "E&xport", "menu Export1"},
      {"13", "HTML Export", "action actHTML"},
      {"16", "&Einstellungen",
       "tab Einstellungen (main window, field dialogs, calendar dialog); menu Einstellungen1"},
      {"17", "Vorlagen verwalten", "window TfrmVorlagen; action actVorlagen"},
      {"19", "Formmailer-Links verwalten", "menu entry mnuEditFormmailTemplates"},
      {"22", "&Hilfe", "menu Hilfe1; action actHelp; button btHelpFormmail"},
      {"23", "Auf neue Version prüfen", "menu entry mnuNewVersionCheck"},
      {"24", "Info", "window TAboutBox; action actInfo"},
      {"26", "Vorschau", "action actPreview"},
      {"27", "Felder", "tab ts2; group GroupBoxFelder of the check-box-list dialog"},
      {"28", "Beschriftungen", "tab ts1 of the main window"},
      {"29", "CSS", "tab TabSheet1 (CSS)"},
      {"31", "Mailtext", "tab TabSheet2 (mail text)"},
      {"32", "HTML-Code", "tab tsHTML"},
      {"35", "&Löschen",
       "speed buttons sbDelField (main window, check-box-list dialog); context entry Lschen1; "
       "action actDelete"},
      {"36", "Vorlagen", "label Label7; group of the template management dialog"},
      {"37", "Einfügen", "speed button sbVorlage; button btPlatzhalter"},
      {"39", "Einzeiliges Textfeld",
       "menu entry EinzeiligesTextfeld1; window TfrmEinzField; type name"},
      {"40", "Password Textfeld", "menu entry Passwordfeld; window TfrmPassField; type name"},
      {"41", "Mehrzeiliges Textfeld",
       "menu entry MehrzeiligesTextfeld1; window TfrmMehrzField; type name"},
      {"42", "Liste/Dropdown Feld", "menu entry ListeDropdownFeld1; type name"},
      {"43", "CheckBox", "menu entry CheckBox1; type name"},
      {"44", "Zwischentext", "menu entry Zwischentext1; window TfrmZwText; type name"},
      {"45", "RadioButtons", "menu entry RadioButtons1; window TfrmRadioButtons; type name"},
      {"46", "Datei-Upload Feld", "menu entry DateiUploadFeld1; type name"},
      {"47", "Checkbox-Liste", "menu entry CheckboxListe1; type name"},
      {"48", "Kalender-Feld", "menu entry KalenderFeld1; type name"},
      {"49", "Feld als Vorlage", "context entry mnuVorlage"},
      {"51", "Name", "column Name (itemList, ListItems)"},
      {"52", "Beschriftung", "column Beschriftung (itemList, ListItems)"},
      {"53", "Typ", "column Typ (itemList)"},
      {"54", "Pflicht", "column Pflicht (itemList, ListItems)"},
      {"55", "Cookie", "column Cookie (ListItems)"},
      {"56", "Fehlermeldung",
       "column Fehlermeldung (itemList); label of edtMeldung, edtErrorMessage"},
      {"58", "E-Mail Einstellungen", "group GroupBox2"},
      {"59", "Einstellungen HTML Seite", "group GroupBox3"},
      {"60", "FormMailer Einstellungen", "group GroupBox4"},
      {"61", "Empfänger 1:", "label of edtEMail"},
      {"62", "Empfänger 2:", "label of edtEMail1"},
      {"63", "Empfänger 3:", "label of edtEMail2"},
      {"64", "Betreff der E-Mail:", "label of edtBetreff"},
      {"65", "E-Mail Format:", "label of cboMailFormat"},
      {"67", "html = HTML Format / plain = Nur Text Format / xml = XML-Format",
       "label explaining cboMailFormat"},
      {"68", "Titel:", "label of edtTitel; label of edtTitle (project properties)"},
      {"69", "Danke Seite:", "label of edtDanke"},
      {"70", "Breite Tabelle:", "label of edtTabWidth"},
      {"71", "Ausrichtung Tabelle:", "label of cboTabAusrichtung"},
      {"72", "Ziel", "label of cboTarget"},
      {"73", "z. B. 75% oder 650px", "label explaining edtTabWidth"},
      {"74", "Pfad zum FormMailer", "label of cboFormMailer"},
      {"75", "Adressen verschlüsseln", "check box cbCryptAddr"},
      {"76", "Kopie an Absender", "check box chkAbsender"},
      {"77", "Erweiterte Einstellungen", "button btErwEinstellungen"},
      {"80", "Formularüberschrift", "label of edtFormTitel"},
      {"81", "Schriftart Überschrift", "label of cboFontHeader (both design panels)"},
      {"82", "Schriftart Formular", "label of cboFontForm (both design panels)"},
      {"83", "Hintergrundbild", "label of edtBGPicture"},
      {"84", "Größe", "labels of the size edits (field dialogs, design panels, calendar design)"},
      {"85", "Einleitungstext", "label of memoEinleitung"},
      {"86", "Text Formular Ende", "label of memoTextEnde"},
      {"87", "Farben", "group GroupColors (both design panels)"},
      {"88", "Hintergrund", "labels of the background colour selections"},
      {"89", "Farbe Überschrift", "label of edtHeaderColor"},
      {"90", "Farbe Text", "label of edtTextColor (design panels)"},
      {"91", "Tabellen Hintergrund", "label of edtTabColor"},
      {"96", "Einstellungen Button", "group GroupSettingsButton"},
      {"97", "Standarddesign?", "check boxes cboStandardButton, cboStandardFeld"},
      {"98", "Farbe", "labels of edtFarbeButton, edtColorFormField, edtBorderColor"},
      {"99", "Rahmen:", "labels of cboRahmenButton, edtRahmenFormField"},
      {"100", "Stärke:", "labels of edtStaerkeButton, edtStaerkeFormField"},
      {"101", "Button Beschriftungen", "group GroupBox7"},
      {"102", "Senden:", "label of edtSendenButton"},
      {"103", "Zurücksetzen:", "label of the reset button caption"},
      {"104", "Drucken:", "label of the print button caption"},
      {"108", "Schrifteinstellungen", "group GroupFontButton"},
      {"109", "Schriftart", "labels of cboFontFormField, cboFont (calendar design)"},
      {"110", "Einstellungen Formularfelder", "groups GroupSettingsFormField, SettingsFormField"},
      {"128", "Spamschutz", "group GroupBox10"},
      {"129", "Captcha-Spamschutz aktivieren", "check box chkCaptcha"},
      {"130", "Beschriftung", "labels of edtBeschriftung, edtCaptchaText1, edtZeichenUebrig"},
      {"133", "Platzhalter", "label lblFeld"},
      {"138", "&Schließen", "button btClose of the template management dialog"},
      {"139", "&Vorlage löschen", "button btDel of the template management dialog"},
      {"140", "Erweiterte Formulareinstellungen",
       "window TfrmErwEinstellungen; its group GroupBox1"},
      {"141", "Formulareinstellungen", "tab TabSheet1 of the advanced settings"},
      {"142", "Vom Benutzer ausgefüllte Felder in der E-Mail-Kopie einfügen",
       "check box chkMailFelder"},
      {"143", "IP-Adresse und weitere Informationen in E-Mail einfügen", "check box chkIP"},
      {"144", "Leere Formularfelder nicht mit übertragen?", "check box chkEmptyFields"},
      {"145", "Formularkodierung:", "label LabelEncoding"},
      {"146", "HTML-Vorlage Standard", "tab TabSheet2 of the advanced settings"},
      {"147", "Fehlerseiten", "group GroupBox2 of the advanced settings"},
      {"148", "IP-Sperre:", "label of edtIPSperre"},
      {"149", "Datei-Upload:", "label of edtDateiUpload"},
      {"150", "Captcha-Spam-Schutz:", "label of edtCaptcha"},
      {"151",
       "Bleibt ein Feld leer, zeigt der Formmailer seine Standard-Fehlerseite. Die Fehlerseiten "
       "werden nur gebraucht, wenn die Überprüfung im Browser fehlschlägt.",
       "label describing the error pages"},
      {"155", "OK", "OK buttons of the dialogs"},
      {"156", "Abbrechen", "Cancel buttons of the dialogs"},
      {"157", "Formmailer-Link bearbeiten", "window TfrmFormMailLinkEdit; its group"},
      {"158", "Link", "label Link of the link editor"},
      {"159", "FormMailer-Vorlagen", "window TfrmFormMailerTemplates"},
      {"160", "Verlassen", "action actExit of the formmailer links dialog"},
      {"162", "Link zum Formmailer", "column of lstLinks"},
      {"188", "Schriftfarbe:", "label of edtFontColorFormField"},
      {"190", "URL:", "label of edtURL"},
      {"191", "Typ", "label of edtBorderType (calendar design)"},
      {"195", "Höhe", "label of edtHoehe"},
      {"196", "Breite", "label of edtBreite"},
      {"224", "Formulareigenschaften", "window TfrmProjectSettings"},
      {"225", "Autor:", "label of edtAuthor"},
      {"226", "Firma:", "label of edtCompany"},
      {"227", "Kommentar:", "label of edtComment"},
      {"228", "Kalenderfeld bearbeiten", "window TfrmCalender"},
      {"229", "Erweitert", "tab Erweitert of the field dialogs"},
      {"231", "Feldeinstellungen", "group Feldeinstellungen of the field dialogs"},
      {"232", "Überprüfung",
       "group GroupBox1 of TMandatoryCheck and TfrmEinzField; group GroupBoxUeberpruefung"},
      {"233", "Pflichtfeld", "check box chkPflicht"},
      {"234", "Geben Sie eine Fehlermeldung ein. Wenn leer erscheint eine Standardmeldung.",
       "label explaining edtMeldung (TMandatoryCheck)"},
      {"235", "Text nach Feld", "label of edtTextNach, edtTextAfter"},
      {"236", "Vorgabewert", "label of edtVorgabewert"},
      {"237", "Vorgabewert beim Bearbeiten löschen?", "check box chkVorgabeLoeschen"},
      {"238", "Startjahr:", "label of edtStartYear"},
      {"239", "Endjahr:", "label of edtEndYear"},
      {"240", "Textfarbe Überschrift", "label of edtTextColorHeader (calendar design)"},
      {"241", "Hintergrundfarbe Überschrift", "label of edtBGColorHeader (calendar design)"},
      {"242", "Textfarbe", "label of edtTextColor (calendar design)"},
      {"243", "Hintergrundfarbe Tag", "label of edtBGColorDay (calendar design)"},
      {"244", "Hintergrundfarbe Kalender", "label of edtBGColorCal (calendar design)"},
      {"245", "Rahmendicke", "label of edtBorderSize (calendar design)"},
      {"246", "*Hinweis: Die Designeinstellungen gelten für alle Kalenderelemente des Formulars.",
       "note on the calendar design tab"},
      {"247", "Daten nach Absenden in Cookie speichern", "check box chkCookie (TFrameCookie)"},
      {"248",
       "Der Browser des Besuchers merkt sich die Eingabe und setzt sie beim nächsten Aufruf des "
       "Formulars wieder ein.",
       "label explaining chkCookie (TFrameCookie)"},
      {"249", "CheckBox Feld", "window TfrmCheckBox"},
      {"250", "Checkbox-Liste", "window TfrmCheckBoxList"},
      {"251", "Vorgabewert", "column Vorgabewert (ListItems)"},
      {"252", "mindestens ein Element muss ausgewählt werden?", "check box chkCheck"},
      {"253", "Wenn leer, erscheint eine Standardmeldung.",
       "label explaining edtErrorMessage (check-box-list dialog)"},
      {"254", "ListBox / Dropdown Feld", "window TfrmListBox"},
      {"255", "Auswahl Werte:", "label of edtFelder"},
      {"256", "1 für Dropdown-Feld ein.", "label explaining edtGroesse (list dialog)"},
      {"257", "Trennen Sie die Auswahlwerte mit dem Zeichen # (z. B. Rot#Grün#Blau).",
       "red label explaining edtFelder"},
      {"258", "Datei-Upload-Feld", "window TfrmFileUpload"},
      {"259", "Zeichenbegrenzung", "group GroupBoxCharsLeft"},
      {"260", "Anzahl Zeichen:", "label of edtMaxZeichen"},
      {"261", "Anzeige verbleibender Zeichen", "check box chkZeichenUebrig"},
      {"262", "* leer für keine Begrenzung", "label explaining edtMaxZeichen"},
      {"263", "max. Länge", "label of edtLaenge"},
      {"264", "Radio Buttons in einer Zeile", "check box CheckSingleRow"},
      {"265", "Mindestlänge:", "label lblMindestLaenge"},
      {"266", "Überprüfung auf:", "label of cboCheckType"},
      {"268", "Einstellungen Zwischentext (HTML-Code erlaubt)",
       "group Feldeinstellungen of TfrmZwText"},
      {"269", "Programmeinstellungen", "menu entry mnProgramSettings; window TfrmProgramSet"},
      {"270", "Sprache", "label of CmbLanguage"},
      {"271", "Anzahl „Zuletzt verwendet“", "label of edtNumLastUsed"},
      {"272", "Zuletzt verwendet", "menu entry mnLastUsed"},
      {"273",
       "Zusätzlicher Text für die E-Mail. Platzhalter wie {#Feldname#} ersetzt das "
       "Formmailer-Script durch die Werte, die der Besucher eingegeben hat.",
       "label describing the mail text tab"},
      {"276", "Datumsformat:", "label of cboDateFormat"},
      {"279", "Formulartyp wählen", "window TFormType"},
      {"280", "Standard-Formular", "label of PanelStandard; item 0 of ComboFormType"},
      {"281", "Bootstrap-Formular", "label of PanelBootstrap; item 1 of ComboFormType"},
      {"282",
       "Klassisches Formular in einer Tabelle mit eigenem Stylesheet; Schriften, Farben und Rahmen "
       "stellen Sie im Programm ein.",
       "description memo of PanelStandard"},
      {"283",
       "Formular mit dem Bootstrap-Framework, das sich jeder Bildschirmgröße anpasst, vom "
       "Smartphone bis zum großen Monitor.",
       "description memo of PanelBootstrap"},
      {"285", "Breitenverhältnis für Spalten", "group GroupBox1 of the Bootstrap panel"},
      {"286", "Linke Spalte", "label of SpinBoxLeftColumn"},
      {"287", "Rechte Spalte", "label of LabelRightColumnValue"},
      {"288",
       "* Das Bootstrap-Grid hat eine max., relative Breite von 12. Hier legen Sie die Aufteilung "
       "fest.",
       "note on the column widths"},
      {"289", "Fehler", "window TErrorMessageDialog"},
      {"290", "Leider ist ein Fehler aufgetreten:", "label LabelSorryEntry"},
      {"291", "Interne Information:", "label LabelInternalInfo"},
      {"292",
       "Bitte nehmen Sie Kontakt mit uns auf und kopieren Sie die interne Information in Ihre "
       "Nachricht.",
       "label LabelInfo"},
      {"293", "Fehlermeldung kopieren", "button ButtonCopy"},
      {"294", "Kontakt", "button ButtonContact"},
      {"295", "HTML-Vorlage Bootstrap", "tab TabSheet3 of the advanced settings"},
      {"296", "Standard wiederherstellen", "buttons buttonStandard, buttonStandardBootstrap"},
      {"297",
       "Bearbeiten des Standardtemplates für die Formularerstellung. Platzhalter sind als "
       "Kommentar <!-- XYZ --> gekennzeichnet.",
       "help label of the template editors"},
      {"298", "Größe Felder:", "label of ComboFormFieldSize"},
      {"300", "Formmailer-Script herunterladen", "button ButtonDownloadFormmailer"},
      {"301", "Design",
       "tab TabSheet3 of the calendar dialog, which cannot share 28 (Beschriftungen)"},
  };
  return table;
}

size_t CountAmpersands(const std::string& text) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), '&'));
}

bool IsValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
    if (extra == 9 || (extra > 0 && c < 0xC2) || i + extra >= s.size() + (extra ? 0 : 1))
      return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

class ShippedLangIniTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ini.LoadFromFile(kLangIni)) << kLangIni; }
  TIniFile ini;
};

TEST_F(ShippedLangIniTest, IsUtf8WithoutBomAndHasOnlySectionKeyAndCommentLines) {
  std::string raw = shelltest::ReadFile(kLangIni);
  EXPECT_TRUE(IsValidUtf8(raw));
  EXPECT_NE(raw.rfind("\xEF\xBB\xBF", 0), 0u);
  std::istringstream lines(raw);
  std::string line;
  std::set<std::string> seen;  // keys of the current section
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      seen.clear();
      continue;
    }
    size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << "stray line: " << line;
    // A second line for a key would silently replace the first one's text.
    EXPECT_TRUE(seen.insert(line.substr(0, eq)).second) << "key twice: " << line;
  }
}

TEST_F(ShippedLangIniTest, FourLanguagesWithTheSameKeysAndEveryNamedKey) {
  ASSERT_EQ(ini.SectionNames(),
            (std::vector<std::string>{"Deutsch", "English", kFrancais, "Italiano"}));
  std::set<std::string> expected;
  for (const auto& key : NamedKeys()) expected.insert(key);
  for (const auto& row : TagTexts()) expected.insert(row.tag);

  for (const auto& language : ini.SectionNames()) {
    std::vector<std::string> names = ini.KeyNames(language);
    std::set<std::string> keys(names.begin(), names.end());
    // Exactly these keys: a missing one shows "error" in the program, an
    // unexpected one is a misspelt number or name.
    for (const auto& key : expected)
      EXPECT_TRUE(keys.count(key)) << language << ": missing key " << key;
    for (const auto& key : keys)
      EXPECT_TRUE(expected.count(key)) << language << ": unexpected key " << key;
    for (const auto& key : names) {
      std::string text = ini.Value(language, key).value_or("");
      EXPECT_FALSE(text.empty()) << language << "/" << key;
      // Texts end up inside script strings of the generated page, where a
      // quote or backslash would break the whole script.
      EXPECT_EQ(text.find_first_of("\"'\\"), std::string::npos) << language << "/" << key;
    }
  }
}

TEST_F(ShippedLangIniTest, GermanTagTextsAreTheDesignTexts) {
  for (const auto& row : TagTexts())
    EXPECT_EQ(ini.Value("Deutsch", row.tag).value_or("(missing)"), std::string(row.german))
        << "Tag " << row.tag << ": " << row.controls;
}

TEST_F(ShippedLangIniTest, AcceleratorsSurviveTranslation) {
  for (const auto& key : ini.KeyNames("Deutsch")) {
    std::string german = ini.Value("Deutsch", key).value_or("");
    size_t marks = CountAmpersands(german);
    ASSERT_LE(marks, 1u) << key;
    for (const auto& language : ini.SectionNames()) {
      std::string text = ini.Value(language, key).value_or("");
      EXPECT_EQ(CountAmpersands(text), marks) << language << "/" << key << ": " << text;
      // The mark must stand before the letter it underlines.
      size_t at = text.find('&');
      if (at != std::string::npos) {
        EXPECT_TRUE(at + 1 < text.size() && text[at + 1] != ' ') << language << "/" << key;
      }
    }
  }
}

TEST(ShippedLangIniLookupTest, GetTextReadsTheShippedFile) {
  auto services = std::make_shared<shelltest::TRecordingServices>();
  TQZPlatform::SetServices(services);
  TQZPlatform::SetProgramDir(QUAZEL_DATA_DIR);
  EXPECT_EQ(TQZPlatform::GetText("Deutsch", "cboTabAusrichtung1"), "rechts");
  EXPECT_EQ(TQZPlatform::GetText(kFrancais, "txtCheckbox3"), "oui");
  EXPECT_EQ(TQZPlatform::GetText("Francais", "txtCheckbox3"), "error");
  TQZPlatform::SetProgramDir("");
  TQZPlatform::SetServices(nullptr);
  EXPECT_TRUE(services->messages.empty());
}

}  // namespace

#pragma once
// Every value a project stores besides its fields, one member per key of the
// project file, named like the key. The initial values are the values a
// project file without that element loads with.

#include <string>
#include <variant>
#include <vector>

// The look of the pop-up calendar, shared by all calendar fields.
struct TCalendarDesign {
  std::string cboFont;
  std::string edtFontSize;
  std::string edtTextColor;
  std::string edtBGColorDay;
  std::string edtBGColorHeader;
  std::string edtTextColorHeader;
  std::string edtBGColorCal;
  std::string edtBorderSize;
  std::string edtBorderType;
  std::string edtBorderColor;
  int cboDateFormat = 0;  // 0..4
};

struct TProjectSettings {
  std::string edtFormTitel;     // edtFormTitel: form heading
  std::string memoEinleitung;   // memoEinleitung: introduction text
  std::string memoTextEnde;     // memoTextEnde: text at the end of the form
  std::string edtTabWidth;      // edtTabWidth: table width, such as "500px" or "80%"
  int cboTabAusrichtung = 0;    // cboTabAusrichtung: table alignment (0 centred, 1 right, 2 left)
  bool chkPrintButton = false;  // chkPrintButton: show a print button
  bool chkResetButton = false;  // chkResetButton: show a reset button
  std::string edtPrint;         // edtPrint: caption of the print button
  std::string edtSendenButton;  // edtSendenButton: caption of the send button
  std::string edtCancelButton;  // edtCancelButton: caption of the reset button
  int ComboFormType = 0;        // ComboFormType: layout (0 standard, 1 Bootstrap)
  std::string cboFontHeader;    // standard panel cboFontHeader: heading font
  std::string edtSizeHeader;    // standard panel edtSizeHeader: heading font size
  std::string cboFontForm;      // standard panel cboFontForm: form font
  std::string edtSizeForm;      // standard panel edtSizeForm: form font size
  std::string edtBGPicture;     // standard panel edtBGPicture: background picture
  std::string edtHGColor;       // standard panel edtHGColor: page background
  std::string edtHeaderColor;   // standard panel edtHeaderColor: heading colour
  std::string edtTextColor;     // standard panel edtTextColor: text colour
  std::string edtTabColor;      // standard panel edtTabColor: table background
  bool cboStandardButton = false;    // standard panel cboStandardButton: buttons in standard design
  std::string edtHintergrundButton;  // standard panel edtHintergrundButton: button background
  std::string edtFarbeButton;        // standard panel edtFarbeButton: button border and text colour
  std::string cboRahmenButton;       // standard panel cboRahmenButton: button border style
  std::string edtStaerkeButton;      // standard panel edtStaerkeButton: button border width
  std::string cboStaerkeRahmen;  // standard panel cboStaerkeRahmen: unit of the button border width
  bool cboStandardFeld = false;  // standard panel cboStandardFeld: form fields in standard design
  std::string edtHGFormField;    // standard panel edtHGFormField: field background
  std::string edtColorFormField;    // standard panel edtColorFormField: field border colour
  std::string edtRahmenFormField;   // standard panel edtRahmenFormField: field border style
  std::string edtStaerkeFormField;  // standard panel edtStaerkeFormField: field border width
  std::string
      cboRahmenFormField;  // standard panel cboRahmenFormField: unit of the field border width
  std::string cboFontFormField;  // standard panel cboFontFormField: field font
  std::string edtSizeFormField;  // standard panel edtSizeFormField: field font size
  std::string
      cboSchriftFormEinheit;  // standard panel cboSchriftFormEinheit: unit of the field font size
  std::string edtFontColorFormField =
      "000000";  // standard panel edtFontColorFormField: field text colour
  std::string Bootstrap_edtHGColor = "FFFFFF";  // Bootstrap panel edtHGColor: page background
  std::string Bootstrap_edtHeaderColor =
      "000000";                                   // Bootstrap panel edtHeaderColor: heading colour
  std::string Bootstrap_edtTextColor = "000000";  // Bootstrap panel edtTextColor: text colour
  std::string Bootstrap_cboFontHeader =
      "Arial,Helvetica,Geneva";  // Bootstrap panel cboFontHeader: heading font
  std::string Bootstrap_cboFontForm =
      "Arial,Helvetica,Geneva";                // Bootstrap panel cboFontForm: form font
  std::string Bootstrap_edtSizeHeader = "18";  // Bootstrap panel edtSizeHeader: heading font size
  std::string Bootstrap_edtSizeForm = "12";    // Bootstrap panel edtSizeForm: form font size
  std::string BootstrapFormFieldBackground =
      "FFFFFF";  // Bootstrap panel BootstrapFormFieldBackground: field background
  int Bootstrap_SpinBoxLeftColumn =
      2;  // Bootstrap panel SpinBoxLeftColumn: grid width of the label column (of 12)
  int Bootstrap_ComboFormFieldSize =
      0;  // Bootstrap panel ComboFormFieldSize: field size (0 standard, 1 small, 2 large)
  bool Bootstrap_CheckBoxSendButton =
      true;  // Bootstrap panel CheckBoxSendButton: send button in standard design
  std::string Bootstrap_SendButtonFontColorStandard = "FFFFFF";   // send button text colour
  std::string Bootstrap_SendButtonBackgroundStandard = "016080";  // send button background
  std::string Bootstrap_SendButtonFontMouseOver =
      "FFFFFF";  // send button text colour under the mouse
  std::string Bootstrap_SendButtonBackgroundMouseOver =
      "00526E";  // send button background under the mouse
  bool Bootstrap_CheckBoxResetButton =
      true;  // Bootstrap panel CheckBoxResetButton: reset button in standard design
  std::string Bootstrap_ResetButtonFontColorStandard = "FFFFFF";   // reset button text colour
  std::string Bootstrap_ResetButtonBackgroundStandard = "AB1313";  // reset button background
  std::string Bootstrap_ResetButtonFontMouseOver =
      "FFFFFF";  // reset button text colour under the mouse
  std::string Bootstrap_ResetButtonBackgroundMouseOver =
      "8A0606";  // reset button background under the mouse
  bool Bootstrap_CheckBoxPrintButton =
      true;  // Bootstrap panel CheckBoxPrintButton: print button in standard design
  std::string Bootstrap_PrintButtonFontColorStandard = "FFFFFF";   // print button text colour
  std::string Bootstrap_PrintButtonBackgroundStandard = "707070";  // print button background
  std::string Bootstrap_PrintButtonFontMouseOver =
      "FFFFFF";  // print button text colour under the mouse
  std::string Bootstrap_PrintButtonBackgroundMouseOver =
      "4A4A4A";              // print button background under the mouse
  std::string edtEMail;      // edtEMail: recipient 1
  std::string edtEMail1;     // edtEMail1: recipient 2
  std::string edtEMail2;     // edtEMail2: recipient 3
  bool cbCryptAddr = false;  // cbCryptAddr: encrypt the recipient addresses in the page
  std::string cboMailFormat =
      "html";                // cboMailFormat: mail format, the entry text "html", "plain" or "xml"
  std::string edtBetreff;    // edtBetreff: mail subject
  std::string edtTitel;      // edtTitel: page title
  std::string edtDanke;      // edtDanke: address of the thank-you page
  bool chkAbsender = false;  // chkAbsender: send a copy to the sender
  std::string cboTarget = "_self";  // cboTarget: target frame of the thank-you page
  bool ip_informationen =
      false;  // advanced settings: insert the IP address and further information into the mail
  std::string HTMLExportFileName;   // kept value: loaded and saved unchanged, read by nothing else
  std::string IPErrorPage;          // advanced settings: error page for a blocked IP address
  std::string FileErrorPage;        // advanced settings: error page for a failed file upload
  std::string CaptchaErrorPage;     // advanced settings: error page for a wrong captcha
  std::string CaptchaErrorMessage;  // kept value: loaded and saved unchanged, read by nothing else
  std::string encoding =
      "windows-1252";          // advanced settings: form encoding ("iso-8859-1" or "utf-8")
  std::string tax = "brutto";  // kept value: loaded and saved unchanged, read by nothing else
  std::string HtmlTemplate;  // advanced settings: own page template for the standard layout; empty
                             // means the installation's template
  bool hide_empty_fields = false;  // advanced settings: do not transmit empty fields
  bool kopie_absender =
      false;  // advanced settings: put the fields filled in by the visitor into the copy mail
  std::string HtmlTemplateBootstrap;    // advanced settings: own page template for the Bootstrap
                                        // layout; empty means the installation's template
  std::string ProjectSettings_author;   // project settings: author
  std::string ProjectSettings_comment;  // project settings: comment
  std::string ProjectSettings_title;    // project settings: title
  std::string ProjectSettings_company;  // project settings: company
  std::string ProjectSettings_url = "http://";                    // project settings: URL
  std::string CalendarDesign_cboFont = "Arial,Helvetica,Geneva";  // calendar design: font
  std::string CalendarDesign_edtFontSize = "10";                  // calendar design: font size
  std::string CalendarDesign_edtTextColor = "000000";             // calendar design: text colour
  std::string CalendarDesign_edtBGColorDay = "B6CDE9";  // calendar design: background of a day
  std::string CalendarDesign_edtBGColorHeader =
      "CCCCCC";  // calendar design: background of the heading
  std::string CalendarDesign_edtTextColorHeader =
      "000000";  // calendar design: text colour of the heading
  std::string CalendarDesign_edtBGColorCal =
      "EEEEEE";                                    // calendar design: background of the calendar
  std::string CalendarDesign_edtBorderSize = "1";  // calendar design: border width
  std::string CalendarDesign_edtBorderType = "solid";    // calendar design: border style
  std::string CalendarDesign_edtBorderColor = "000000";  // calendar design: border colour
  int CalendarDesign_cboDateFormat =
      0;  // calendar design: date format, position in the calendar dialog's format list
  bool chkCaptcha = false;      // chkCaptcha: captcha spam protection on
  std::string edtCaptchaText1;  // edtCaptchaText1: caption of the captcha input
  std::string memoMailtext;     // memoMailtext: extra mail text with placeholders
  std::string cboFormMailer;    // cboFormMailer: address of the formmailer script
  TCalendarDesign CalendarDesign() const;
  void SetCalendarDesign(const TCalendarDesign& design);

  bool operator==(const TProjectSettings&) const = default;
};

// How a setting is written and read.
enum class TSettingKind {
  Text,    // the text unchanged
  Colour,  // six hexadecimal digits RRGGBB, kept as text
  Bool,    // "-1" / "0"
  Int,     // decimal number (list positions, spin boxes)
  Base64,  // Base64 of the text
};

struct TSettingKey {
  const char* Key;
  TSettingKind Kind;
  std::variant<std::string TProjectSettings::*, bool TProjectSettings::*, int TProjectSettings::*>
      Member;
};

// The settings in the order the project file holds them (HtmlTemplate twice).
const std::vector<TSettingKey>& ProjectSettingKeys();

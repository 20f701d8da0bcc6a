#include "uHTMLGen.h"
#include "codegen/HtmlTools.h"

#include "CalendarExport.h"
#include "CaptchaExport.h"
#include "shell/QZPlatform.h"

namespace {
constexpr int kLayout = 0;
}

std::string TGenHTML::GetCode() {
  return Generate("template.htm");
}

std::string TGenHTML::GetCalendarCSS(const TCalendarDesign& design) {
  return ::GetCalendarCSS(kLayout, design);
}

std::string TGenHTML::GetCSS() {
  const TProjectSettings& s = Settings();
  std::string css = "<style type=\"text/css\">\r\n<!--\r\n";
  if (!s.edtBGPicture.empty())
    css += "body { background-color:#" + s.edtHGColor + "; background-image:url(" + s.edtBGPicture +
           "); }\r\n";
  else
    css += "body { background-color:#" + s.edtHGColor + ";  }\r\n";
  css += "h1 { color:#" + s.edtHeaderColor + "; font-family:" + s.cboFontHeader +
         "; font-size:" + s.edtSizeHeader + "pt; }\r\n";
  css += "p,li { color:#" + s.edtTextColor + "; font-family:" + s.cboFontForm +
         "; font-size:" + s.edtSizeForm + "pt; }\r\n";
  css += "TD   { color:#" + s.edtTextColor + "; font-family:" + s.cboFontForm +
         "; font-size:" + s.edtSizeForm + "pt; }\r\n";
  css += "td.my { background-color:#" + s.edtTabColor + "}\r\n";
  if (!s.cboStandardButton) {
    css += "input.button {background-color: #" + s.edtHintergrundButton + ";" + "border-color: #" +
           s.edtFarbeButton + ";\r\n";
    css += "border-style:" + s.cboRahmenButton + ";\r\n";
    css += "border-width:" + s.edtStaerkeButton + s.cboStaerkeRahmen + ";\r\n";
    css += "color: #" + s.edtFarbeButton + ";}\r\n";
  }
  if (!s.cboStandardFeld) {
    css += ".field {background-color: #" + s.edtHGFormField + ";\r\n";
    css += "border-color: #" + s.edtColorFormField + ";\r\n";
    css += "border-style:" + s.edtRahmenFormField + ";\r\n";
    css += "border-width:" + s.edtStaerkeFormField + s.cboRahmenFormField + ";\r\n";
    css += "font-Family:" + s.cboFontFormField + ";\r\n";
    css += "font-Size:" + s.edtSizeFormField + s.cboSchriftFormEinheit + ";\r\n";
    css += "color: #" + s.edtFontColorFormField + ";\r\n";
    css += "}\r\n";
  }
  if (Project.Fields.HasCalendarField()) css += GetCalendarCSS(s.CalendarDesign());
  css += "-->\r\n</style>\r\n";
  return css;
}

std::string TGenHTML::GetCaptcha() {
  return ::GetCaptcha(kLayout, Project, FormId);
}

std::string TGenHTML::GetTemplate(const std::string& fileName) {
  if (!Settings().HtmlTemplate.empty()) return Settings().HtmlTemplate;
  return TQZPlatform::LoadProgramTextFile(fileName);
}

std::string TGenHTML::Generate(const std::string& fileName) {
  std::string page = TCodeExport::Generate(fileName);
  const TProjectSettings& s = Settings();

  ReplaceAllInPlace(page, "<!-- SENDBUTTON -->", s.edtSendenButton);
  if (s.chkResetButton)
    ReplaceAllInPlace(page, "<!-- RESETBUTTON -->",
                      "<input type=\"reset\" name=\"next\" value=\"" + s.edtCancelButton +
                          "\" <!-- CLASS -->>\r\n");
  if (s.chkPrintButton)
    ReplaceAllInPlace(page, "<!-- PRINTBUTTON -->",
                      "<input type=\"button\" name=\"print\" value=\"" + s.edtPrint +
                          "\" onClick=\"javascript:window.print()\" class=\"button\">\r\n");
  ReplaceAllInPlace(page, "<!-- CLASS -->", s.cboStandardButton ? "" : "class=\"button\"");

  {
    // Each piece is let go once it is in the page: a large form is not held
    // twice.
    TFieldPass pass = RunFieldPass(!s.cboStandardFeld);
    ReplaceAllInPlace(page, "<!-- FIELDS -->", pass.Markup);
    std::string().swap(pass.Markup);
    ReplaceAllInPlace(page, "<!-- JSCRIPT -->", pass.Script);
  }

  if (s.chkCaptcha) ReplaceAllInPlace(page, "<!-- CAPTCHA -->", GetCaptcha());
  ReplaceAllInPlace(page, "<!-- FORMMAIL -->", s.cboFormMailer);
  return page;
}

std::string TGenHTML::InsertCalendarScript(const std::string& page) {
  return ::InsertCalendarScript(kLayout, page, Project, Options.Language);
}

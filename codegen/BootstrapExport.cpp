#include "BootstrapExport.h"
#include "codegen/HtmlTools.h"

#include "CalendarExport.h"
#include "CaptchaExport.h"
#include "shell/QZPlatform.h"

namespace {

constexpr int kLayout = 1;

// The ten lines of one button's colour rules; cls is its Bootstrap class.
std::string ButtonGroup(const std::string& cls, const std::string& backgroundOver,
                        const std::string& fontOver, const std::string& background,
                        const std::string& font) {
  const std::string c = "." + cls;
  return c + ":hover, " + c + ":focus, " + c + ":active, " + c + ".active {\r\n" +
         "   background: #" + backgroundOver + ";\r\n" +  //
         "\tcolor: #" + fontOver + ";\r\n" +              //
         "\tborder-color: transparent;\r\n" +             //
         "}\r\n" +                                        //
         c + " {\r\n" +                                   //
         "\tbackground: #" + background + ";\r\n" +       //
         "\tcolor: #" + font + ";\r\n" +                  //
         "\tborder-color: transparent;\r\n" +             //
         "}\r\n";
}

}  // namespace

std::string TBootstrapExport::GetCode() {
  return Generate("template_bootstrap.htm");
}

std::string TBootstrapExport::GetCalendarCSS(const TCalendarDesign& design) {
  return ::GetCalendarCSS(kLayout, design);
}

std::string TBootstrapExport::GetCSS() {
  const TProjectSettings& s = Settings();
  std::string css = "body { background-color:#" + s.Bootstrap_edtHGColor + "; color:#" +
                    s.Bootstrap_edtTextColor + "; font-family: " + s.Bootstrap_cboFontForm +
                    "; font-size: " + s.Bootstrap_edtSizeForm + "pt; }\r\n";
  css += "h1 { color:#" + s.Bootstrap_edtHeaderColor +
         "; font-family:" + s.Bootstrap_cboFontHeader + "; font-size:" + s.Bootstrap_edtSizeHeader +
         "pt; }\r\n";
  css += "p,li { color:#" + s.Bootstrap_edtTextColor + "; font-family:" + s.Bootstrap_cboFontForm +
         "; font-size:" + s.Bootstrap_edtSizeForm + "pt; }\r\n";
  css += ".control-label { color:#" + s.Bootstrap_edtTextColor +
         "; font-family:" + s.Bootstrap_cboFontForm + "; font-size:" + s.Bootstrap_edtSizeForm +
         "pt; }\r\n";
  if (Project.Fields.HasCalendarField()) css += GetCalendarCSS(s.CalendarDesign());
  return css;
}

std::string TBootstrapExport::GetButtonStyles() const {
  const TProjectSettings& s = Settings();
  std::string css;
  if (!s.Bootstrap_CheckBoxPrintButton)
    css +=
        ButtonGroup("btn-print", s.Bootstrap_PrintButtonBackgroundMouseOver,
                    s.Bootstrap_PrintButtonFontMouseOver, s.Bootstrap_PrintButtonBackgroundStandard,
                    s.Bootstrap_PrintButtonFontColorStandard);
  if (!s.Bootstrap_CheckBoxSendButton)
    css +=
        ButtonGroup("btn-success", s.Bootstrap_SendButtonBackgroundMouseOver,
                    s.Bootstrap_SendButtonFontMouseOver, s.Bootstrap_SendButtonBackgroundStandard,
                    s.Bootstrap_SendButtonFontColorStandard);
  if (!s.Bootstrap_CheckBoxResetButton)
    css +=
        ButtonGroup("btn-danger", s.Bootstrap_ResetButtonBackgroundMouseOver,
                    s.Bootstrap_ResetButtonFontMouseOver, s.Bootstrap_ResetButtonBackgroundStandard,
                    s.Bootstrap_ResetButtonFontColorStandard);
  return css;
}

std::string TBootstrapExport::GetCaptcha() {
  return ::GetCaptcha(kLayout, Project, FormId);
}

std::string TBootstrapExport::GetTemplate(const std::string& fileName) {
  if (!Settings().HtmlTemplateBootstrap.empty()) return Settings().HtmlTemplateBootstrap;
  return TQZPlatform::LoadProgramTextFile(fileName);
}

std::string TBootstrapExport::SetGridColumns(const std::string& page, int leftColumn) {
  const std::string n = std::to_string(leftColumn);
  const std::string m = std::to_string(12 - leftColumn);
  // Longest names first, so "col-md-offset-2" is not taken for something else.
  const std::pair<std::string, std::string> rewrites[] = {
      {"col-md-offset-2", "col-md-offset-" + n},
      {"col-md-10", "col-md-" + m},
      {"col-md-2", "col-md-" + n},
  };
  std::string out;
  out.reserve(page.size());
  std::string::size_type pos = 0;
  while (pos < page.size()) {
    const auto next = page.find("col-md-", pos);
    if (next == std::string::npos) break;
    out.append(page, pos, next - pos);
    pos = next;
    bool rewritten = false;
    for (const auto& [from, to] : rewrites) {
      if (page.compare(pos, from.size(), from) == 0) {
        out += to;
        pos += from.size();
        rewritten = true;
        break;
      }
    }
    if (!rewritten) {
      out += "col-md-";
      pos += 7;
    }
  }
  out.append(page, pos, std::string::npos);
  return out;
}

std::string TBootstrapExport::Generate(const std::string& fileName) {
  std::string page = TCodeExport::Generate(fileName);
  const TProjectSettings& s = Settings();

  ReplaceAllInPlace(page, "<!-- WIDTH -->",
                    s.edtTabWidth.empty() ? "" : " style=\"width:" + s.edtTabWidth + "\"");
  static const char* const kFieldSize[] = {"", " form-group-sm", " form-group-lg"};
  if (s.Bootstrap_ComboFormFieldSize >= 0 && s.Bootstrap_ComboFormFieldSize <= 2)
    ReplaceAllInPlace(page, "<!-- FORMFIELDSIZE -->", kFieldSize[s.Bootstrap_ComboFormFieldSize]);
  ReplaceAllInPlace(page, "<!-- SENDBUTTON -->", s.edtSendenButton);
  if (s.chkResetButton)
    ReplaceAllInPlace(
        page, "<!-- RESETBUTTON -->",
        "<button type=\"reset\" class=\"btn btn-danger\">" + s.edtCancelButton + "</button>\r\n");
  if (s.chkPrintButton)
    ReplaceAllInPlace(page, "<!-- PRINTBUTTON -->",
                      "<button class=\"btn btn-print\" type=\"button\" "
                      "onClick=\"javascript:window.print()\">" +
                          s.edtPrint + "</button>\r\n");
  ReplaceAllInPlace(page, "<!-- BUTTONSTYLESHEET -->", GetButtonStyles());

  {
    // Each piece is let go once it is in the page.
    TFieldPass pass = RunFieldPass(false);
    ReplaceAllInPlace(page, "<!-- FIELDS -->", pass.Markup);
    std::string().swap(pass.Markup);
    ReplaceAllInPlace(page, "<!-- JSCRIPT -->", pass.Script);
  }

  if (s.chkCaptcha) ReplaceAllInPlace(page, "<!-- CAPTCHA -->", GetCaptcha());
  ReplaceAllInPlace(page, "<!-- FORMMAIL -->", s.cboFormMailer);
  ReplaceAllInPlace(page, "<!-- BootstrapFormFieldBackground -->", s.BootstrapFormFieldBackground);

  // The column width is always 2 to 10; a value outside that (a hand-edited
  // project file) would give negative or empty grid classes, so it keeps the
  // columns as the generators wrote them.
  const int left = s.Bootstrap_SpinBoxLeftColumn;
  // 2 is what the generators write already.
  if (left > 2 && left <= 10) page = SetGridColumns(page, left);
  return page;
}

std::string TBootstrapExport::InsertCalendarScript(const std::string& page) {
  return ::InsertCalendarScript(kLayout, page, Project, Options.Language);
}

#include "uCodeExport.h"

#include <chrono>
#include <random>

#include "BootstrapExport.h"
#include "CaptchaExport.h"
#include "HtmlTools.h"
#include "model/uCheckBoxListClass.h"
#include "model/uMultiLineClass.h"
#include "shell/Base64.h"
#include "uHTMLGen.h"

namespace {

const char* BoolText(bool value) {
  return value ? "-1" : "0";
}

// Fields whose cookie scripts go into the page: those that remember their
// value, and every check-box list (it tests its items' flags itself).
bool WantsCookieScripts(const TFormField& field) {
  return field.Cookie || dynamic_cast<const TCheckBoxList*>(&field) != nullptr;
}

// A mail value that the page carries in the value attribute of a hidden
// input: a double quote would end the attribute early and the formmailer
// would get the value cut short, so it travels as "&quot;" (which reads as
// the same character in text, too).
std::string HiddenValue(const std::string& text) {
  return StringReplaceAll(text, "\"", "&quot;");
}

}  // namespace

TCodeExport::TCodeExport(const TProject& project, const TExportOptions& options, int layout)
    : Project(project), Options(options), Ctx([&] {
        TGenContext ctx = project.Context(options.Language);
        ctx.Layout = layout;
        return ctx;
      }()) {}

std::string TCodeExport::Generate(const std::string& fileName) {
  const TProjectSettings& s = Settings();
  const FieldList& fields = Project.Fields;

  // 1: the template.
  std::string page = GetTemplate(fileName);
  // 2, 3
  ReplaceAllInPlace(page, "<!-- VERSION -->", kPageVersion);
  ReplaceAllInPlace(page, "<!-- CSS -->", GetCSS());

  // 4: counter functions of the multi-line fields.
  std::string counters;
  for (const auto& field : fields)
    if (const auto* multi = dynamic_cast<const TMehrzField*>(field.get()))
      counters += multi->GetCounterScript(Ctx);
  ReplaceAllInPlace(page, "<!-- JSCRIPT2 -->", counters);

  // 5, 6: cookie restore and save scripts.
  std::string load, save;
  for (const auto& field : fields) {
    if (!WantsCookieScripts(*field)) continue;
    load += field->GetCookieLoadScript(Ctx);
    save += field->GetCookieSaveScript(Ctx);
  }
  ReplaceAllInPlace(page, "<!-- SETCOOKIEVALUES -->", load);
  ReplaceAllInPlace(page, "<!-- SETCOOKIES -->", save);

  // 7, 8
  ReplaceAllInPlace(page, "<!-- FORMID -->", NewFormId());
  ReplaceAllInPlace(page, "<!-- SETTINGS -->", EncodeAddress(s.chkCaptcha ? "true" : "false"));

  // 9 to 22: page texts and the formmailer's values.
  ReplaceAllInPlace(page, "<!-- TITLE -->", s.edtTitel);
  if (s.edtFormTitel.empty()) page = RemoveBlock("FORMTITLE", page);
  ReplaceAllInPlace(page, "<!--TARGET-->", s.cboTarget);
  ReplaceAllInPlace(page, "<!-- DANKE -->", HiddenValue(s.edtDanke));
  ReplaceAllInPlace(page, "<!-- SUBJECT -->", HiddenValue(s.edtBetreff));
  ReplaceAllInPlace(page, "<!-- COPYFIELDS -->", BoolText(s.kopie_absender));
  ReplaceAllInPlace(page, "<!-- IP -->", BoolText(s.ip_informationen));
  ReplaceAllInPlace(page, "<!-- HIDEEMPTYFIELDS -->", BoolText(s.hide_empty_fields));
  ReplaceAllInPlace(page, "<!-- ENCODING -->", s.encoding);
  ReplaceAllInPlace(page, "<!-- CRYPTMAIL -->", s.cbCryptAddr ? "1" : "0");
  auto recipient = [&](const std::string& address) {
    return s.cbCryptAddr ? EncodeAddress(address) : HiddenValue(address);
  };
  ReplaceAllInPlace(page, "<!-- ADMIN -->", recipient(s.edtEMail));
  ReplaceAllInPlace(page, "<!-- ADMIN1 -->", recipient(s.edtEMail1));
  ReplaceAllInPlace(page, "<!-- ADMIN2 -->", recipient(s.edtEMail2));
  page = RemoveAdminFields(page);

  // 23 to 31
  ReplaceAllInPlace(page, "<!-- EINLEITTEXT -->",
                    EncodeAddress(StringReplaceAll(s.memoMailtext, "\r\n", "#br#")));
  ReplaceAllInPlace(page, "<!-- TYPEMAIL -->", s.cboMailFormat);
  ReplaceAllInPlace(page, "<!-- RETURNTOSENDER -->",
                    std::string("<input type=\"hidden\" name=\"ReturnToSender\" value=\"") +
                        BoolText(s.chkAbsender) + "\">\r\n");
  ReplaceAllInPlace(page, "<!-- BEITE -->", s.edtTabWidth);
  static const char* const kAlign[] = {"center", "right", "left"};
  if (s.cboTabAusrichtung >= 0 && s.cboTabAusrichtung <= 2)
    ReplaceAllInPlace(page, "<!-- AUSRICHTUNG -->", kAlign[s.cboTabAusrichtung]);
  ReplaceAllInPlace(page, "<!-- FORMTITLE -->", s.edtFormTitel);
  ReplaceAllInPlace(page, "<!-- EINLEITUNGTEXT -->", s.memoEinleitung);
  if (s.memoEinleitung.empty()) page = RemoveBlock("EINLEITUNGTEXT", page);
  ReplaceAllInPlace(page, "<!-- TEXTENDE -->", s.memoTextEnde);

  // 32 to 34: calendar, captcha refresh, error pages.
  if (fields.HasCalendarField()) page = InsertCalendarScript(page);
  if (s.chkCaptcha) page = InsertCaptchaRefresh(page);
  ReplaceAllInPlace(page, "<!-- ERRORPAGES -->", GetErrorPageFields());
  return page;
}

std::string TCodeExport::RemoveBlock(const std::string& name, const std::string& page) {
  const std::string begin = "<!-- " + name + "_BEGIN -->";
  const std::string end = "<!-- " + name + "_END -->";
  const auto b = page.find(begin);
  const auto e = page.find(end);
  if (b == std::string::npos || e == std::string::npos || e < b) return page;
  std::string out = page;
  out.erase(b, e + end.size() - b);
  return out;
}

std::string TCodeExport::NewFormId() {
  long id = 0;
  if (Options.FormId) {
    id = *Options.FormId;
  } else {
    std::mt19937 random(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    id = std::uniform_int_distribution<long>(0, 9999999)(random);
  }
  FormId = std::to_string(id);
  return FormId;
}

std::string TCodeExport::RemoveAdminFields(const std::string& page) const {
  std::string out = page;
  for (const char* name : {"admin", "admin1", "admin2"})
    if (FieldNameExists(Project.Fields, name))
      out = RemoveBetween(out, std::string("<input type=\"hidden\" name=\"") + name + "\"", "\">");
  return out;
}

std::string TCodeExport::GetErrorPageFields() const {
  const TProjectSettings& s = Settings();
  const std::pair<const char*, const std::string*> pages[] = {
      {"settings_error_iplock", &s.IPErrorPage},
      {"settings_error_fileerror", &s.FileErrorPage},
      {"settings_error_captcha", &s.CaptchaErrorPage},
  };
  std::string out;
  for (const auto& [name, value] : pages)
    if (!value->empty())
      out += std::string("  <input type=\"hidden\" name=\"") + name + "\" value=\"" +
             Base64Encode(*value) + "\">\r\n";
  return out;
}

std::string TCodeExport::GetCaptchaLink() const {
  return ::GetCaptchaLink(Settings(), FormId);
}

std::string TCodeExport::InsertCaptchaRefresh(const std::string& page) const {
  return ::InsertCaptchaRefresh(page, Project, FormId);
}

TCodeExport::TFieldPass TCodeExport::RunFieldPass(bool useFieldClass) const {
  TFieldPass pass;
  pass.Script = "<script type=\"text/javascript\">\r\n<!--\r\nfunction chkFormular()\r\n{\r\n";
  for (const auto& field : Project.Fields) {
    pass.Markup += field->GetHtmlCode(useFieldClass, Ctx) + "\r\n";
    if (field->Pflicht || dynamic_cast<const TCheckBoxList*>(field.get()) != nullptr)
      pass.Script += field->GetCheckScript(Ctx) + "\r\n";
  }
  pass.Script += " return(true); }\r\n//-->\r\n</script>\r\n";
  return pass;
}

std::string TExportFactory::BuildCode(int layout, const TProject& project,
                                      const TExportOptions& options) {
  switch (layout) {
    case 0:
      return TGenHTML(project, options).GetCode();
    case 1:
      return TBootstrapExport(project, options).GetCode();
    default:
      return "";
  }
}

#include "CaptchaExport.h"

#include <string_view>

#include "codegen/HtmlTools.h"
#include "shell/QZPlatform.h"

std::string GetCaptchaLink(const TProjectSettings& settings, const std::string& formId) {
  return settings.cboFormMailer + "?action=captcha&amp;id=" + formId;
}

std::string GetCaptchaScriptLink(const TProjectSettings& settings, const std::string& formId) {
  std::string link = GetCaptchaLink(settings, formId);
  link = StringReplaceAll(link, "&amp;", "&");
  return link;
}

std::string GetCaptcha(int layout, const TProject& project, const std::string& formId) {
  const TProjectSettings& settings = project.Settings;
  const bool standard = layout != 1;
  std::string block = TQZPlatform::LoadProgramTextFile(standard ? "captcha/captcha_html.html"
                                                                : "captcha/captcha_bootstrap.html");
  // The caption is markup like every label; the link stands in attributes.
  block = StringReplaceAll(block, "{#CAPTCHA_TEXT#}", settings.edtCaptchaText1);
  block = StringReplaceAll(block, "{#CAPTCHALINK#}", GetCaptchaLink(settings, formId));
  block = StringReplaceAll(block, "{#FORMMAILERPATH}", FormmailerFolder(settings.cboFormMailer));
  if (standard)
    block = StringReplaceAll(block, "{#CSS#}", settings.cboStandardFeld ? "" : R"( class="field")");
  return block;
}

std::string GetCaptchaRefreshScript(const TProject& project, const std::string& formId) {
  std::string script = TQZPlatform::LoadProgramTextFile("captcha/captcha_refresh.js");
  // The link stands inside a JavaScript string.
  script = StringReplaceAll(script, "{#CAPTCHALINK#}",
                            JsEscape(GetCaptchaScriptLink(project.Settings, formId)));
  return script;
}

std::string InsertCaptchaRefresh(const std::string& page, const TProject& project,
                                 const std::string& formId) {
  std::string result = page;
  ReplaceAllInPlace(result, "<!-- JSCAPTCHAREFRESH -->", GetCaptchaRefreshScript(project, formId));
  return result;
}

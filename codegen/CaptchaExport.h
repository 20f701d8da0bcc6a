#pragma once
// Captcha spam protection: the block with the picture that the formmailer
// draws for the page's form number, and the script that loads a new picture.
// Snippets come from the installation folder's captcha/ subfolder.
//
// The standard block is one table row like the field rows (so the template
// holds "<!-- CAPTCHA -->" among the rows of the form table); the Bootstrap
// block is one grid row like the field rows. The visitor's answer is posted
// as "captcha". The refresh snippet brings its own <script> element.

#include <string>

#include "model/Project.h"

// The picture's address for HTML attributes: the formmailer address, then
// "?action=captcha&amp;id=" and formId.
std::string GetCaptchaLink(const TProjectSettings& settings, const std::string& formId);
// The same address for scripts: every "&amp;" as "&".
std::string GetCaptchaScriptLink(const TProjectSettings& settings, const std::string& formId);

// The captcha block of layout (1 Bootstrap, anything else standard) that
// replaces "<!-- CAPTCHA -->". Throws EInOutError when the snippet is missing.
std::string GetCaptcha(int layout, const TProject& project, const std::string& formId);

// The refresh script (captcha_refresh.js with the script link filled in).
std::string GetCaptchaRefreshScript(const TProject& project, const std::string& formId);
// page with "<!-- JSCAPTCHAREFRESH -->" replaced by GetCaptchaRefreshScript.
std::string InsertCaptchaRefresh(const std::string& page, const TProject& project,
                                 const std::string& formId);

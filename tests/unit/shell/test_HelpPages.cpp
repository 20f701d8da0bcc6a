// The formmailer help pages: one per interface language, each a UTF-8 page
// that describes every input the generated page sends to the formmailer script.

#include <gtest/gtest.h>
#include <iconv.h>

#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "shell/IniFile.h"
#include "shell/ProgramSettings.h"

namespace {

const std::string kDataDir = QUAZEL_DATA_DIR;

// True when iconv reads the whole text as UTF-8; it refuses broken, overlong
// and surrogate sequences.
bool IsValidUtf8(const std::string& text) {
  iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = text;
  char* src = in.data();
  size_t srcLeft = in.size();
  std::vector<char> buffer(4 * in.size() + 4);
  char* dst = buffer.data();
  size_t dstLeft = buffer.size();
  size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  return result != static_cast<size_t>(-1) && srcLeft == 0;
}

std::set<std::string> Matches(const std::string& file, const std::regex& pattern) {
  std::string text = shelltest::ReadFile(kDataDir + file);
  EXPECT_FALSE(text.empty()) << file;
  std::set<std::string> names;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
    names.insert((*it)[1]);
  return names;
}

// Every input name the formmailer script receives besides the form's own
// fields, taken from the installed templates so that the pages cannot drift
// from them.
std::set<std::string> ScriptInputs() {
  std::set<std::string> names;
  const std::regex hidden(R"re(<input type="hidden" name="([^"]+)")re");
  for (const char* file : {"template.htm", "template_bootstrap.htm"})
    names.merge(Matches(file, hidden));
  const std::regex input(R"re(<input\b[^>]*\sname="([^"]+)")re");
  for (const char* file : {"captcha/captcha_html.html", "captcha/captcha_bootstrap.html"})
    names.merge(Matches(file, input));
  // Written by the page generator in place of a template marker.
  for (const char* name : {"ReturnToSender", "settings_error_iplock", "settings_error_fileerror",
                           "settings_error_captcha"})
    names.insert(name);
  return names;
}

// True when word occurs in text as a name of its own, not as part of a longer
// one ("admin" inside "admin1" does not count).
bool NamesWord(const std::string& text, const std::string& word) {
  auto isNameChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    bool before = at > 0 && isNameChar(text[at - 1]);
    bool after = at + word.size() < text.size() && isNameChar(text[at + word.size()]);
    if (!before && !after) return true;
  }
  return false;
}

TEST(HelpPagesTest, EveryLanguageHasACompleteUtf8Page) {
  std::set<std::string> inputs = ScriptInputs();
  // Guards the patterns above: reading nothing would make the checks below empty.
  for (const char* name : {"qz_formid", "qz_cryptmail", "admin", "admin1", "admin2", "qz_mailtext",
                           "qz_mailformat", "captcha"})
    ASSERT_TRUE(inputs.count(name)) << name;

  auto languages = ReadIniSectionNames(kDataDir + "lang.ini");
  ASSERT_TRUE(languages.has_value());
  ASSERT_EQ(languages->size(), 4u);
  TIniFile strings;
  ASSERT_TRUE(strings.LoadFromFile(kDataDir + "lang.ini"));
  std::set<std::string> pages;
  for (const auto& language : *languages) {
    std::string file = TProgramSettings::HelpFileName(language);
    pages.insert(file);
    std::string page = shelltest::ReadFile(kDataDir + file);
    ASSERT_FALSE(page.empty()) << language << ": " << file << " is missing";
    EXPECT_TRUE(IsValidUtf8(page)) << file;
    EXPECT_EQ(page.rfind("\xEF\xBB\xBF", 0), std::string::npos) << file << " starts with a BOM";
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u) << file;
    EXPECT_NE(page.find("<html lang=\"" + TProgramSettings::LanguageCode(language) + "\">"),
              std::string::npos)
        << file;
    EXPECT_NE(page.find("<meta charset=\"utf-8\""), std::string::npos) << file;
    EXPECT_NE(page.find("</html>"), std::string::npos) << file;

    for (const auto& name : inputs) EXPECT_TRUE(NamesWord(page, name)) << file << ": " << name;
    for (const char* text : {"?action=checkurl", "?action=captcha&amp;id=", "{#", "0x5A"})
      EXPECT_NE(page.find(text), std::string::npos) << file << ": " << text;

    // The controls the page points to carry the program's own texts in that
    // language: tab, group and field of the address, the scramble box, the
    // advanced settings and their error pages, the link list, the mail text
    // tab with its placeholder list and button.
    for (const char* tag : {"16", "60", "74", "75", "77", "147", "19", "31", "133", "37"}) {
      std::string label = strings.Value(language, tag).value_or("(missing)");
      std::erase(label, '&');
      EXPECT_NE(page.find("<strong>" + label + "</strong>"), std::string::npos)
          << file << ": Tag " << tag << " " << label;
    }
  }
  // Each language has a page of its own.
  EXPECT_EQ(pages.size(), languages->size());
}

}  // namespace

#pragma once
// Small pieces shared by the page-generation tests.

#include <initializer_list>
#include <regex>
#include <set>
#include <string>
#include <string_view>

#include "shell/QZPlatform.h"

namespace codegentest {

// The given lines, each followed by CR LF, as generated code ends its lines.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string s;
  for (std::string_view line : lines) {
    s += line;
    s += "\r\n";
  }
  return s;
}

// Platform services that show nothing and open nothing.
class SilentServices : public IPlatformServices {
 public:
  void ShowMessage(const std::string&) override {}
  void OpenURL(const std::string&) override {}
};

// The markers ("<!-- NAME -->") left in a page, each once.
inline std::set<std::string> Markers(const std::string& page) {
  static const std::regex marker("<!-- ?[A-Za-z0-9_]+ ?-->");
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), marker);
       it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

}  // namespace codegentest

#include "XMLHelper.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

// Every line break (CR LF, CR or LF) as one LF. The file writer turns each LF
// into CR LF, so each line of a value becomes one line of the file.
std::string NormalizeToLf(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Every LF that is not already part of a CR LF becomes CR LF.
std::string LfToCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

// The text of all direct text and CDATA children, in order. A document
// parsed with parse_embed_pcdata holds the first text in the element itself
// (its value, otherwise empty), ahead of any child.
std::string ChildText(pugi::xml_node child) {
  std::string text = child.value();
  for (pugi::xml_node n = child.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
  }
  return text;
}

bool EqualsNoCase(const std::string& text, const char* word) {
  std::size_t i = 0;
  for (; word[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return i == text.size();
}

// Optional sign followed by at least one decimal digit, nothing else.
bool IsDecimalInteger(const std::string& text) {
  std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

}  // namespace

pugi::xml_node TXMLHelper::AddTextElement(pugi::xml_node parent, const std::string& name,
                                          const std::string& text) {
  pugi::xml_node element = parent.append_child(name.c_str());
  if (!text.empty()) {
    // Values without a CR need no normalising copy.
    const bool hasCr = text.find('\r') != std::string::npos;
    element.append_child(pugi::node_pcdata)
        .set_value(hasCr ? NormalizeToLf(text).c_str() : text.c_str());
  }
  return element;
}

std::string TXMLHelper::ReadText(const std::string& name, pugi::xml_node parent) {
  pugi::xml_node child = parent.child(name.c_str());
  if (!child) return "";
  std::string text = ChildText(child);
  // Most values are a single line: no second copy for them.
  if (text.find('\n') == std::string::npos) return text;
  return LfToCrLf(text);
}

std::string TXMLHelper::ReadTextDefault(const std::string& name, pugi::xml_node parent,
                                        const std::string& def) {
  std::string text = ReadText(name, parent);
  return text.empty() ? def : text;
}

bool TXMLHelper::ReadBool(const std::string& name, pugi::xml_node parent) {
  return StrToBool(ReadText(name, parent));
}

bool TXMLHelper::StrToBool(const std::string& text) {
  if (text.empty()) return false;
  if (IsDecimalInteger(text)) {
    // Any integer other than 0 is true, however long it is.
    return text.find_first_of("123456789") != std::string::npos;
  }
  if (EqualsNoCase(text, "true")) return true;
  if (EqualsNoCase(text, "false")) return false;
  throw EConvertError("\"" + text + "\" is not a valid boolean.");
}

int TXMLHelper::StrToInt(const std::string& text) {
  if (IsDecimalInteger(text)) {
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == 0 && *end == '\0' && value >= std::numeric_limits<int>::min() &&
        value <= std::numeric_limits<int>::max()) {
      return static_cast<int>(value);
    }
  }
  throw EConvertError("\"" + text + "\" is not a valid integer value.");
}

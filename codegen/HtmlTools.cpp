#include "codegen/HtmlTools.h"

#include <string.h>

#include <array>
#include <cstring>
#include <utility>

#include "model/FieldList.h"
#include "shell/Base64.h"

namespace {

// Position of the first from in text at or after pos; npos when none.
std::size_t FindText(const std::string& text, std::string_view from, std::size_t pos) {
#ifdef __GLIBC__
  if (pos > text.size()) return std::string::npos;
  const void* at = memmem(text.data() + pos, text.size() - pos, from.data(), from.size());
  return at == nullptr ? std::string::npos
                       : static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
#else
  return text.find(from, pos);
#endif
}

bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

}  // namespace

std::string StringReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
  std::string result = text;
  ReplaceAllInPlace(result, from, to);
  return result;
}

void ReplaceAllInPlace(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  // The matches in the text as it is, left to right, not overlapping. A page
  // has a '<' every few bytes and a placeholder starts with one, so glibc's
  // memmem (which skips ahead on the needle's bytes) beats find here.
  std::vector<std::size_t> hits;
  for (std::size_t at = FindText(text, from, 0); at != std::string::npos;
       at = FindText(text, from, at + from.size()))
    hits.push_back(at);
  if (hits.empty()) return;

  const std::size_t oldSize = text.size();
  char* const data = text.data();
  if (to.size() <= from.size()) {
    // Shrinks or keeps the length: move the pieces forward.
    std::size_t read = hits.front();
    std::size_t write = read;
    for (const std::size_t hit : hits) {
      std::memmove(data + write, data + read, hit - read);
      write += hit - read;
      std::memcpy(data + write, to.data(), to.size());
      write += to.size();
      read = hit + from.size();
    }
    std::memmove(data + write, data + read, oldSize - read);
    text.resize(write + (oldSize - read));
    return;
  }
  const std::size_t newSize = oldSize + hits.size() * (to.size() - from.size());
  if (newSize > text.capacity()) {
    // Too large for the block: build the result in a new block with an
    // eighth to spare for the small replacements that follow (growing in
    // place would double the old capacity, and the old block would be held
    // as well while its bytes are moved).
    std::string grown;
    grown.reserve(newSize + newSize / 8);
    std::size_t read = 0;
    for (const std::size_t hit : hits) {
      grown.append(text, read, hit - read);
      grown.append(to);
      read = hit + from.size();
    }
    grown.append(text, read, std::string::npos);
    text.swap(grown);
    return;
  }
  // Grows within the block: make room, then move the pieces backward from
  // the end.
  text.resize(newSize);
  char* const out = text.data();
  std::size_t read = oldSize;
  std::size_t write = text.size();
  for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
    const std::size_t tail = *it + from.size();
    write -= read - tail;
    std::memmove(out + write, out + tail, read - tail);
    write -= to.size();
    std::memcpy(out + write, to.data(), to.size());
    read = *it;
  }
}

std::string ScrambleText(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(static_cast<unsigned char>(c) ^ kScrambleKey);
  return result;
}

std::string EncodeAddress(const std::string& text) {
  if (text.empty()) return std::string();
  return Base64Encode(ScrambleText(text));
}

std::string RemoveBetween(const std::string& text, const std::string& startText,
                          const std::string& endText) {
  if (startText.empty() || endText.empty()) return text;
  const std::size_t start = text.find(startText);
  if (start == std::string::npos) return text;
  // The end text may begin inside the start text: for a start text ending in
  // a quote and the end text `">`, `name="admin">` must end right there.
  const std::size_t end = text.find(endText, start + 1);
  if (end == std::string::npos) return text;
  std::string result = text;
  result.erase(start, end + endText.size() - start);
  return result;
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  const std::size_t n = text.size();
  std::size_t pos = 0;
  while (pos < n) {
    while (pos < n && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const std::size_t head = pos;
    char quote = 0;  // the quote character of an open quoted stretch
    for (; pos < n; ++pos) {
      const char c = text[pos];
      if (quote != 0) {
        // A doubled quote closes and reopens the stretch: it stands for one
        // quote and the stretch goes on.
        if (c == quote) quote = 0;
      } else if (IsQuote(c)) {
        quote = c;
      } else if (c == sep || c == '\r' || c == '\n') {
        break;
      }
    }
    if (pos > head) parts.push_back(text.substr(head, pos - head));
    ++pos;  // past the separator
  }
  return parts;
}

std::string StripTags(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  for (;;) {
    const std::size_t open = text.find('<', pos);
    if (open == std::string::npos) break;
    const std::size_t close = text.find('>', open + 1);
    if (close == std::string::npos) break;
    result.append(text, pos, open - pos);
    pos = close + 1;
  }
  result.append(text, pos, std::string::npos);
  return result;
}

std::string ToEntities(std::string_view text) {
  static const std::array<std::pair<std::string_view, std::string_view>, 8> kTable = {{
      {"\xC3\xA4", "&auml;"},
      {"\xC3\xBC", "&uuml;"},
      {"\xC3\xB6", "&ouml;"},
      {"\xC3\x84", "&Auml;"},
      {"\xC3\x9C", "&Uuml;"},
      {"\xC3\x96", "&Ouml;"},
      {"\xE2\x82\xAC", "&euro;"},
      {"\xC3\x9F", "&szlig;"},
  }};
  // One pass over the text. The characters are whole UTF-8 sequences, so no
  // two of them overlap and no entity (plain ASCII) forms a new one: the same
  // result as replacing them one after the other, without a copy per character.
  std::string result;
  result.reserve(text.size());
  std::size_t done = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\xC3' && text[i] != '\xE2') continue;
    for (const auto& [character, entity] : kTable) {
      if (text.compare(i, character.size(), character) != 0) continue;
      result.append(text, done, i - done);
      result += entity;
      done = i + character.size();
      i = done - 1;
      break;
    }
  }
  result.append(text, done);
  return result;
}

std::string FormmailerFolder(const std::string& address) {
  return StringReplaceAll(address, "formmail.php", "");
}

std::string ValueAttr(bool usePlaceholder, const std::string& text) {
  return (usePlaceholder ? "placeholder=\"" : "value=\"") + text + "\"";
}

bool FieldNameExists(const FieldList& fields, const std::string& name) {
  for (const auto& field : fields)
    if (field->Name == name) return true;
  return false;
}

std::string JsEscape(const std::string& text) {
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
        result += "\\\\";
        break;
      case '"':
        result += "\\\"";
        break;
      case '\'':
        result += "\\'";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\n':
        result += "\\n";
        break;
      case '<':
        // "</" would let the HTML parser end the script element; "<!--"
        // followed by "<script" would keep it from ending at "</script>".
        if (text.compare(i + 1, 1, "/") == 0) {
          result += "<\\/";
          ++i;
        } else if (text.compare(i + 1, 3, "!--") == 0) {
          result += "\\x3C!--";
          i += 3;
        } else {
          result += c;
        }
        break;
      case '\xE2':
        // U+2028 and U+2029 end a line inside older JavaScript strings.
        if (text.compare(i + 1, 2, "\x80\xA8") == 0) {
          result += "\\u2028";
          i += 2;
        } else if (text.compare(i + 1, 2, "\x80\xA9") == 0) {
          result += "\\u2029";
          i += 2;
        } else {
          result += c;
        }
        break;
      default:
        result += c;
    }
  }
  return result;
}

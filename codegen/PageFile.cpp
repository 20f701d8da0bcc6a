#include "codegen/PageFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include <iconv.h>

#include "codegen/HtmlTools.h"
#include "model/SafeFileWriter.h"

namespace {

enum class TCodePage { Utf8, Latin1, Windows1252 };

std::string Lower(const std::string& text) {
  std::string result = text;
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

TCodePage CodePageFor(const std::string& encoding) {
  const std::string name = Lower(encoding);
  static const char* const kLatin1[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "iso_8859-1:1987",
                                        "latin1",     "latin-1",   "l1",         "iso-ir-100",
                                        "cp819",      "ibm819",    "csisolatin1"};
  for (const char* alias : kLatin1)
    if (name == alias) return TCodePage::Latin1;
  if (name == "utf-8" || name == "utf8") return TCodePage::Utf8;
  return TCodePage::Windows1252;
}

// Length of the valid UTF-8 sequence at text[pos] and its code point, or 0
// when the bytes there are not one (overlong forms, surrogates and values
// beyond U+10FFFF are invalid).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& codePoint) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  std::size_t length;
  char32_t min;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return 0;
  return length;
}

// How a character that the code page lacks is written, by where it stands:
// markup takes a character reference; the contents of script and style
// elements are raw text that the browser does not decode references in, so
// they take the escape of their own language.
std::string HtmlReference(char32_t codePoint) {
  return "&#" + std::to_string(static_cast<unsigned long>(codePoint)) + ";";
}

std::string JsCodeUnit(unsigned unit) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string result = "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) result += kDigits[(unit >> shift) & 0xFu];
  return result;
}

std::string JsEscapeOf(char32_t codePoint) {
  if (codePoint < 0x10000) return JsCodeUnit(codePoint);
  const char32_t v = codePoint - 0x10000;
  return JsCodeUnit(0xD800 + (v >> 10)) + JsCodeUnit(0xDC00 + (v & 0x3FF));
}

std::string CssEscapeOf(char32_t codePoint) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\%X ", static_cast<unsigned>(codePoint));
  return buffer;
}

enum class TContent { Markup, Script, Style };

using TEscape = std::string (*)(char32_t);

TEscape EscapeFor(TContent kind) {
  switch (kind) {
    case TContent::Script:
      return JsEscapeOf;
    case TContent::Style:
      return CssEscapeOf;
    case TContent::Markup:
      break;
  }
  return HtmlReference;
}

// A stretch of the page, which outlives the pieces (no copy of the page).
struct TPiece {
  TContent Kind;
  std::string_view Text;
};

bool EqualsNoCase(const std::string& text, std::size_t pos, const std::string& lowerWord) {
  if (pos > text.size() || text.size() - pos < lowerWord.size()) return false;
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    char c = text[pos + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerWord[i]) return false;
  }
  return true;
}

// True when a start tag <name ...> begins at pos.
bool IsStartTag(const std::string& text, std::size_t pos, const std::string& name) {
  if (!EqualsNoCase(text, pos + 1, name)) return false;
  const std::size_t after = pos + 1 + name.size();
  return after == text.size() || std::strchr(" \t\r\n\f/>", text[after]) != nullptr;
}

std::size_t FindNoCase(const std::string& text, const std::string& lowerWord, std::size_t from) {
  for (std::size_t pos = text.find('<', from); pos != std::string::npos;
       pos = text.find('<', pos + 1))
    if (EqualsNoCase(text, pos, lowerWord)) return pos;
  return std::string::npos;
}

// Cuts the page into markup and the contents of script and style elements.
// Comments in the markup are skipped, so a commented-out element stays markup.
std::vector<TPiece> SplitPage(const std::string& page) {
  const std::string_view view = page;
  std::vector<TPiece> pieces;
  std::size_t markupStart = 0;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t open = page.find('<', pos);
    if (open == std::string::npos) break;
    if (page.compare(open, 4, "<!--") == 0) {
      const std::size_t close = page.find("-->", open + 2);
      if (close == std::string::npos) break;
      pos = close + 3;
      continue;
    }
    const bool script = IsStartTag(page, open, "script");
    if (!script && !IsStartTag(page, open, "style")) {
      pos = open + 1;
      continue;
    }
    const std::size_t tagEnd = page.find('>', open);
    if (tagEnd == std::string::npos) break;
    const std::size_t contentStart = tagEnd + 1;
    std::size_t contentEnd = FindNoCase(page, script ? "</script" : "</style", contentStart);
    if (contentEnd == std::string::npos) contentEnd = page.size();
    pieces.push_back({TContent::Markup, view.substr(markupStart, contentStart - markupStart)});
    pieces.push_back({script ? TContent::Script : TContent::Style,
                      view.substr(contentStart, contentEnd - contentStart)});
    markupStart = pos = contentEnd;
  }
  pieces.push_back({TContent::Markup, view.substr(markupStart)});
  return pieces;
}

class TIconv {
 public:
  explicit TIconv(const char* target) : cd_(iconv_open(target, "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("Cannot convert to ") + target + ": " +
                               std::strerror(errno));
  }
  ~TIconv() { iconv_close(cd_); }
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  iconv_t Handle() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts UTF-8 text to a single-byte code page and appends it to result.
// iconv stops (EILSEQ, or EINVAL for a sequence cut off at the end) where it
// cannot go on; there a valid character that the code page lacks is written
// with escape, and each byte that does not start a valid UTF-8 sequence as
// the replacement character U+FFFD, so that bad input neither stops the
// conversion nor vanishes unnoticed.
void AppendSingleByte(TIconv& converter, std::string_view text, TEscape escape,
                      std::string& result) {
  std::size_t pos = 0;
  char buffer[4096];
  while (pos < text.size()) {
    char* in = const_cast<char*>(text.data()) + pos;
    std::size_t inLeft = text.size() - pos;
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(converter.Handle(), &in, &inLeft, &out, &outLeft);
    const int error = errno;
    result.append(buffer, static_cast<std::size_t>(out - buffer));
    pos = text.size() - inLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (error == E2BIG) continue;
    if (error != EILSEQ && error != EINVAL)
      throw std::runtime_error(std::string("Conversion failed: ") + std::strerror(error));
    char32_t codePoint = 0;
    const std::size_t length = DecodeUtf8(text, pos, codePoint);
    if (length == 0) {
      result += escape(0xFFFD);
      pos += 1;
    } else {
      result += escape(codePoint);
      pos += length;
    }
  }
}

// Converts the page and hands the result to sink in slices, so that neither
// the converted page nor its entities are ever held whole. A slice ends
// before an ASCII byte: no UTF-8 sequence, and so no entity or escape, is cut
// in two, and the result is the same as converting the piece at once.
template <class Sink>
void ConvertPage(const std::string& page, const std::string& encoding, Sink&& sink) {
  const TCodePage codePage = CodePageFor(encoding);
  std::unique_ptr<TIconv> converter;
  if (codePage != TCodePage::Utf8)
    converter =
        std::make_unique<TIconv>(codePage == TCodePage::Latin1 ? "ISO-8859-1" : "WINDOWS-1252");

  constexpr std::size_t kSlice = 64 * 1024;
  std::string converted;
  std::string entities;
  for (const TPiece& piece : SplitPage(page)) {
    std::string_view rest = piece.Text;
    while (!rest.empty()) {
      std::size_t cut = std::min(rest.size(), kSlice);
      while (cut < rest.size() && static_cast<unsigned char>(rest[cut]) >= 0x80) ++cut;
      const std::string_view slice = rest.substr(0, cut);
      rest.remove_prefix(cut);
      // Entities only where the browser decodes them: in a script they would
      // show as typed, e.g. "f&uuml;llen" in an alert.
      if (piece.Kind == TContent::Markup) entities = ToEntities(slice);
      const std::string_view text = piece.Kind == TContent::Markup ? entities : slice;
      if (!converter) {
        sink(text);  // another spelling of UTF-8: the bytes stay as the page declares
        continue;
      }
      converted.clear();
      AppendSingleByte(*converter, text, EscapeFor(piece.Kind), converted);
      sink(std::string_view(converted));
    }
  }
}

}  // namespace

std::string ConvertPageEncoding(const std::string& page, const std::string& encoding) {
  if (encoding == "utf-8") return page;
  std::string result;
  result.reserve(page.size() + page.size() / 16);
  ConvertPage(page, encoding, [&](std::string_view bytes) { result.append(bytes); });
  return result;
}

std::string WritePageFile(const std::string& path, const std::string& page,
                          const std::string& encoding) {
  try {
    // Converted slice by slice straight into the file, with one final CR LF.
    return WriteFileAtomically(path, [&](const TByteSink& sink) {
      if (encoding == "utf-8")
        sink(page);
      else
        ConvertPage(page, encoding, sink);
      sink("\r\n");
    });
  } catch (const std::exception& e) {
    return e.what();
  }
}

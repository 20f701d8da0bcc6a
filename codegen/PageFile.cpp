#include "codegen/PageFile.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <stdexcept>

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
std::size_t DecodeUtf8(const std::string& text, std::size_t pos, char32_t& codePoint) {
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

std::string Reference(char32_t codePoint) {
  return "&#" + std::to_string(static_cast<unsigned long>(codePoint)) + ";";
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

// Converts UTF-8 text to a single-byte code page. iconv stops (EILSEQ, or
// EINVAL for a sequence cut off at the end) where it cannot go on; there a
// valid character that the code page lacks becomes its decimal reference,
// and each byte that does not start a valid UTF-8 sequence becomes "&#65533;"
// (the replacement character), so that bad input neither stops the
// conversion nor vanishes unnoticed.
std::string ToSingleByte(const std::string& text, const char* target) {
  TIconv converter(target);
  std::string result;
  result.reserve(text.size());
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
      result += Reference(0xFFFD);
      pos += 1;
    } else {
      result += Reference(codePoint);
      pos += length;
    }
  }
  return result;
}

}  // namespace

std::string ConvertPageEncoding(const std::string& page, const std::string& encoding) {
  if (encoding == "utf-8") return page;
  const std::string withEntities = ToEntities(page);
  switch (CodePageFor(encoding)) {
    case TCodePage::Utf8:
      // Another spelling of UTF-8: the entities as for any other name, but
      // the bytes stay UTF-8, as the page declares.
      return withEntities;
    case TCodePage::Latin1:
      return ToSingleByte(withEntities, "ISO-8859-1");
    case TCodePage::Windows1252:
      break;
  }
  return ToSingleByte(withEntities, "WINDOWS-1252");
}

std::string WritePageFile(const std::string& path, const std::string& page,
                          const std::string& encoding) {
  std::string bytes;
  try {
    bytes = ConvertPageEncoding(page, encoding);
  } catch (const std::exception& e) {
    return e.what();
  }
  bytes += "\r\n";
  return WriteFileAtomically(path, bytes);
}

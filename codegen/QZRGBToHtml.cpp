#include "codegen/QZRGBToHtml.h"

namespace {

TQZRGBToHTML::SystemColorResolver gResolver = nullptr;

// The value of a hexadecimal digit, or -1.
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void TQZRGBToHTML::SetSystemColorResolver(SystemColorResolver resolver) {
  gResolver = resolver;
}

void TQZRGBToHTML::SetColor(TColor color) {
  color_ = color;
  TColor rgb = color;
  if ((color & 0xFF000000u) != 0) rgb = gResolver != nullptr ? gResolver(color) : 0;
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(6, '0');
  for (int i = 0; i < 3; ++i) {
    const unsigned byte = (rgb >> (8 * i)) & 0xFFu;
    text[2 * i] = kDigits[byte >> 4];
    text[2 * i + 1] = kDigits[byte & 0xFu];
  }
  htmlColor_ = text;
}

void TQZRGBToHTML::SetHTMLColor(const std::string& text) {
  if (text.size() != 6) return;
  TColor color = 0;
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(text[2 * i]);
    const int low = HexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) return;
    color |= static_cast<TColor>(high * 16 + low) << (8 * i);
  }
  color_ = color;
  htmlColor_ = text;
}

std::string TQZRGBToHTML::RGBToHTML(TColor color) {
  TQZRGBToHTML converter;
  converter.SetColor(color);
  return converter.HTMLColor();
}

TColor TQZRGBToHTML::HTMLToRGB(const std::string& text) {
  TQZRGBToHTML converter;
  converter.SetHTMLColor(text);
  return converter.Color();
}

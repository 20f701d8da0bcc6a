#pragma once
// Conversion between a colour value and its colour text: six hexadecimal
// digits RRGGBB without "#", as all colour settings of the page are stored.

#include <cstdint>
#include <string>

// A colour value: red in the lowest byte, then green, then blue. A value with
// the top byte set names a system colour.
using TColor = std::uint32_t;

class TQZRGBToHTML {
 public:
  // Turns a system colour into plain RGB. The GUI installs one that asks the
  // platform; without one, system colours count as black.
  using SystemColorResolver = TColor (*)(TColor systemColor);
  static void SetSystemColorResolver(SystemColorResolver resolver);

  TColor Color() const { return color_; }
  const std::string& HTMLColor() const { return htmlColor_; }

  // Sets the colour; the text becomes its upper-case RRGGBB.
  void SetColor(TColor color);
  // Accepts only exactly six hexadecimal digits (either case), which are kept
  // as typed; any other text changes nothing.
  void SetHTMLColor(const std::string& text);

  // RRGGBB of a colour, upper case.
  static std::string RGBToHTML(TColor color);
  // The colour of an RRGGBB text; 0 (black) for any text that is not exactly
  // six hexadecimal digits.
  static TColor HTMLToRGB(const std::string& text);

 private:
  TColor color_ = 0;
  std::string htmlColor_ = "000000";
};

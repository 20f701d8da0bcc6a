#include "codegen/QZRGBToHtml.h"

#include <string>

#include <gtest/gtest.h>

namespace {

constexpr TColor Rgb(unsigned r, unsigned g, unsigned b) {
  return r | (g << 8) | (b << 16);
}

TEST(QZRGBToHtmlTest, NewObjectIsBlack) {
  const TQZRGBToHTML converter;
  EXPECT_EQ(converter.Color(), 0u);
  EXPECT_EQ(converter.HTMLColor(), "000000");
}

TEST(QZRGBToHtmlTest, ColourToTextIsRedGreenBlueInUpperCase) {
  const std::pair<TColor, std::string> cases[] = {
      {Rgb(255, 0, 0), "FF0000"},
      {Rgb(0, 255, 0), "00FF00"},
      {Rgb(0, 0, 255), "0000FF"},
      {Rgb(255, 128, 0), "FF8000"},
      {Rgb(10, 11, 12), "0A0B0C"},
      {Rgb(255, 255, 255), "FFFFFF"},
      {0, "000000"},
  };
  for (const auto& [color, text] : cases) EXPECT_EQ(TQZRGBToHTML::RGBToHTML(color), text);
}

TEST(QZRGBToHtmlTest, TextToColour) {
  const std::pair<std::string, TColor> cases[] = {
      {"ff8000", Rgb(255, 128, 0)},
      {"FF8000", Rgb(255, 128, 0)},
      {"0000fF", Rgb(0, 0, 255)},
      {"0A0B0C", Rgb(10, 11, 12)},
      // Anything but exactly six hexadecimal digits is black.
      {"FF80", 0},
      {"FF80000", 0},
      {"", 0},
      {"#FF800", 0},
      {"FF80G0", 0},
      {"FF 800", 0},
      {"-1-1-1", 0},
  };
  for (const auto& [text, color] : cases) EXPECT_EQ(TQZRGBToHTML::HTMLToRGB(text), color) << text;
}

TEST(QZRGBToHtmlTest, RejectedTextLeavesTheObjectAsItWas) {
  TQZRGBToHTML converter;
  converter.SetHTMLColor("a0b0c0");
  EXPECT_EQ(converter.Color(), Rgb(0xA0, 0xB0, 0xC0));
  EXPECT_EQ(converter.HTMLColor(), "a0b0c0");  // case kept as typed

  for (const char* bad : {"a0b0c", "a0b0cg", "zzzzzz"}) {
    converter.SetHTMLColor(bad);
    EXPECT_EQ(converter.Color(), Rgb(0xA0, 0xB0, 0xC0)) << bad;
    EXPECT_EQ(converter.HTMLColor(), "a0b0c0") << bad;
  }
}

TEST(QZRGBToHtmlTest, SystemColoursGoThroughTheResolver) {
  constexpr TColor kWindowColour = 0xFF000005;
  EXPECT_EQ(TQZRGBToHTML::RGBToHTML(kWindowColour), "000000");

  TQZRGBToHTML::SetSystemColorResolver(
      [](TColor c) { return c == 0xFF000005 ? Rgb(0xF0, 0xF0, 0xF0) : TColor{0}; });
  TQZRGBToHTML converter;
  converter.SetColor(kWindowColour);
  TQZRGBToHTML::SetSystemColorResolver(nullptr);
  EXPECT_EQ(converter.Color(), kWindowColour);
  EXPECT_EQ(converter.HTMLColor(), "F0F0F0");
}

}  // namespace

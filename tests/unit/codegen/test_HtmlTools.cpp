#include "codegen/HtmlTools.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/FieldList.h"
#include "model/uCheckBoxListClass.h"
#include "model/uSingleLineClass.h"
#include "shell/Base64.h"

namespace {

using namespace std::string_literals;

using Parts = std::vector<std::string>;

TEST(HtmlToolsTest, ScrambleIsByteWiseXorWithTheKeyAndEncodeAddsBase64) {
  // "A" is 0x41; 0x41 ^ 0x5A = 0x1B, whose Base64 is "Gw==".
  EXPECT_EQ(ScrambleText("A"), "\x1B");
  EXPECT_EQ(EncodeAddress("A"), "Gw==");
  EXPECT_EQ(EncodeAddress(""), "");

  // Any byte value survives the round trip, including UTF-8 and the key itself.
  const std::string address = "info@m\xC3\xBCller.de\r\n\x5A\x00\xFF"s;
  const std::string encoded = EncodeAddress(address);
  EXPECT_EQ(encoded.find_first_not_of(
                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="),
            std::string::npos);
  EXPECT_EQ(ScrambleText(Base64Decode(encoded)), address);
}

TEST(HtmlToolsTest, RemoveBetween) {
  struct Case {
    std::string text, start, end, expected;
  };
  const Case cases[] = {
      {"a<x>b<x>c", "<", ">", "ab<x>c"},  // only the first block
      {"keep", "<", ">", "keep"},         // no start text
      {"a<b", "<", ">", "a<b"},           // no end text after it
      {"a>b<c", "<", ">", "a>b<c"},       // an end text before the start only
      {"ab", "", ">", "ab"},              // empty start text
      {"", "<", ">", ""},                 // empty text
      // The end text may begin on the last character of the start text.
      {R"(<input type="hidden" name="admin">rest">)", R"(<input type="hidden" name="admin")", "\">",
       "rest\">"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RemoveBetween(c.text, c.start, c.end), c.expected) << c.text;
}

TEST(HtmlToolsTest, RemoveBetweenTellsAdminFromAdmin1) {
  const std::string page =
      "<input type=\"hidden\" name=\"admin1\" value=\"x\">\r\n"
      "<input type=\"hidden\" name=\"admin\" value=\"y\">\r\n";
  EXPECT_EQ(RemoveBetween(page, "<input type=\"hidden\" name=\"admin\"", "\">"),
            "<input type=\"hidden\" name=\"admin1\" value=\"x\">\r\n\r\n");
}

TEST(HtmlToolsTest, Split) {
  struct Case {
    std::string text;
    char sep;
    Parts expected;
  };
  const Case cases[] = {
      {"Berlin|info@a.de", '|', {"Berlin", "info@a.de"}},
      {"", '|', {}},
      {"||a||b|", '|', {"a", "b"}},       // no empty parts
      {"  \ta | b ", '|', {"a ", "b "}},  // leading blanks go, trailing stay
      {"one\r\ntwo\rthree\nfour", '|', {"one", "two", "three", "four"}},
      {"a|   |b", '|', {"a", "b"}},                         // a part of blanks only is empty
      {"\"x|y\"|z", '|', {"\"x|y\"", "z"}},                 // quotes kept, no split inside
      {"'a\"|b'|c", '|', {"'a\"|b'", "c"}},                 // the other quote does not close
      {"\"a\"\"|b\"|c", '|', {"\"a\"\"|b\"", "c"}},         // doubled quote does not close
      {"x\"open|to the end", '|', {"x\"open|to the end"}},  // unclosed quote
      {"a,b|c", ',', {"a", "b|c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.text, c.sep), c.expected) << c.text;
}

TEST(HtmlToolsTest, StripTags) {
  const std::pair<std::string, std::string> cases[] = {
      {"<b>fett</b> und <i>kursiv</i>", "fett und kursiv"},
      {"plain", "plain"},
      {"a < b and more", "a < b and more"},  // "<" without ">" stays with the rest
      {"x<b>y<unclosed z", "xy<unclosed z"},
      {"a > b <i>c</i>", "a > b c"},  // ">" before the first "<" stays
      {"<<b>>", ">"},
      {"", ""},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(StripTags(text), expected) << text;
}

TEST(HtmlToolsTest, ToEntitiesReplacesExactlyTheTableCharacters) {
  EXPECT_EQ(ToEntities("\xC3\xA4\xC3\xBC\xC3\xB6\xC3\x84\xC3\x9C\xC3\x96\xE2\x82\xAC\xC3\x9F"),
            "&auml;&uuml;&ouml;&Auml;&Uuml;&Ouml;&euro;&szlig;");
  EXPECT_EQ(ToEntities("Gr\xC3\xBC\xC3\x9F"
                       "e, 5 \xE2\x82\xAC."),
            "Gr&uuml;&szlig;e, 5 &euro;.");
  // é, the en dash and an emoji are not in the table; markup stays.
  const std::string others = "<p>caf\xC3\xA9 \xE2\x80\x93 \xF0\x9F\x98\x80 &amp;</p>";
  EXPECT_EQ(ToEntities(others), others);
}

TEST(HtmlToolsTest, FormmailerFolderAndValueAttr) {
  EXPECT_EQ(FormmailerFolder("https://example.org/mail/formmail.php"), "https://example.org/mail/");
  EXPECT_EQ(FormmailerFolder("https://example.org/send.php"), "https://example.org/send.php");
  EXPECT_EQ(FormmailerFolder("https://example.org/FormMail.php"),
            "https://example.org/FormMail.php");
  EXPECT_EQ(FormmailerFolder("formmail.php/formmail.php"), "/");

  EXPECT_EQ(ValueAttr(false, "Max"), "value=\"Max\"");
  EXPECT_EQ(ValueAttr(true, "Max"), "placeholder=\"Max\"");
  EXPECT_EQ(ValueAttr(false, ""), "value=\"\"");
}

TEST(HtmlToolsTest, FieldNameExistsLooksAtTopLevelNamesOnly) {
  FieldList fields;
  auto single = std::make_unique<TEinzField>();
  single->Name = "admin";
  fields.Add(std::move(single));
  auto list = std::make_unique<TCheckBoxList>();
  list->Name = "liste";
  auto item = std::make_unique<TCheckBoxFieldSimple>();
  item->Name = "admin1";
  list->Items.push_back(std::move(item));
  fields.Add(std::move(list));

  EXPECT_TRUE(FieldNameExists(fields, "admin"));
  EXPECT_TRUE(FieldNameExists(fields, "liste"));
  EXPECT_FALSE(FieldNameExists(fields, "admin1"));  // an item of the list
  EXPECT_FALSE(FieldNameExists(fields, "Admin"));
  EXPECT_FALSE(FieldNameExists(fields, "adm"));
  EXPECT_FALSE(FieldNameExists(FieldList(), "admin"));
}

TEST(HtmlToolsTest, JsEscape) {
  const std::pair<std::string, std::string> cases[] = {
      {"Bitte Namen eingeben", "Bitte Namen eingeben"},
      {R"(Sag "Hallo")", R"(Sag \"Hallo\")"},
      {"it's", R"(it\'s)"},
      {R"(C:\temp)", R"(C:\\temp)"},
      {"Zeile 1\r\nZeile 2", R"(Zeile 1\r\nZeile 2)"},
      {"a\xE2\x80\xA8"
       "b\xE2\x80\xA9"
       "c",
       R"(a\u2028b\u2029c)"},
      {"\xE2\x80\x93 \xC3\xBC", "\xE2\x80\x93 \xC3\xBC"},  // other UTF-8 stays
      {"</script><b>x</b>", R"(<\/script><b>x<\/b>)"},
      {"<!--<script>", R"(\x3C!--<script>)"},
      {"a < b", "a < b"},
      {"\\\"", R"(\\\")"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(JsEscape(text), expected) << text;
}

// The page passes through many replacements in place; a piece moved to the
// wrong place would corrupt it where the text grows or shrinks.
TEST(HtmlToolsTest, ReplaceAllReplacesLeftToRightWhetherTheTextGrowsOrShrinks) {
  struct Case {
    std::string Text, From, To, Expected;
  };
  const Case cases[] = {
      {"a<!-- X -->b<!-- X --><!-- X -->c", "<!-- X -->", "[long replacement]",
       "a[long replacement]b[long replacement][long replacement]c"},
      {"<!-- X -->mid<!-- X -->", "<!-- X -->", "", "mid"},
      {"x<!-- X -->y", "<!-- X -->", "0123456789", "x0123456789y"},  // same length
      {"aaaa", "aa", "a", "aa"},                                     // no overlapping matches
      {"abc", "abc", "<!-- abc -->", "<!-- abc -->"},                // inserted text not searched
      {"no placeholder", "<!-- X -->", "y", "no placeholder"},
      {"text", "", "y", "text"},
      {"", "x", "y", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringReplaceAll(c.Text, c.From, c.To), c.Expected) << c.Text;
    // A text that grows past its block is built anew; one with room to
    // spare is moved within its block.
    for (const std::size_t room : {std::size_t{0}, std::size_t{256}}) {
      std::string inPlace = c.Text;
      inPlace.reserve(room);
      ReplaceAllInPlace(inPlace, c.From, c.To);
      EXPECT_EQ(inPlace, c.Expected) << c.Text << " with room for " << room;
    }
  }
}

}  // namespace

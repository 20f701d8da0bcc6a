#include "model/XMLHelper.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// The document as the program's files hold it: indented, every LF as CR LF.
std::string FileText(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
  std::string text;
  for (char c : out.str()) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

pugi::xml_document Parse(const std::string& text) {
  pugi::xml_document doc;
  EXPECT_TRUE(doc.load_string(text.c_str())) << text;
  return doc;
}

TEST(XMLHelperTest, AddTextElementWritesEachValueLineAsOneFileLine) {
  struct Case {
    const char* text;
    const char* file;
  } cases[] = {
      {"", "<r>\r\n  <v />\r\n</r>\r\n"},
      {"one", "<r>\r\n  <v>one</v>\r\n</r>\r\n"},
      {"a\r\nb", "<r>\r\n  <v>a\r\nb</v>\r\n</r>\r\n"},
      {"a\nb", "<r>\r\n  <v>a\r\nb</v>\r\n</r>\r\n"},
      {"a\rb", "<r>\r\n  <v>a\r\nb</v>\r\n</r>\r\n"},
      {"a\r\n\r\nb\r\n", "<r>\r\n  <v>a\r\n\r\nb\r\n</v>\r\n</r>\r\n"},
      {"A & B <c> \"d\"", "<r>\r\n  <v>A &amp; B &lt;c&gt; \"d\"</v>\r\n</r>\r\n"},
  };
  for (const Case& c : cases) {
    pugi::xml_document doc;
    pugi::xml_node v = TXMLHelper::AddTextElement(doc.append_child("r"), "v", c.text);
    EXPECT_EQ(std::string(v.name()), "v");
    EXPECT_EQ(FileText(doc), c.file) << "text: " << c.text;
  }
}

TEST(XMLHelperTest, EmptyTextGetsNoTextNode) {
  pugi::xml_document doc;
  pugi::xml_node v = TXMLHelper::AddTextElement(doc.append_child("r"), "v", "");
  EXPECT_FALSE(v.first_child());
}

TEST(XMLHelperTest, ValuesSurviveWritingAndReadingTheFile) {
  const std::string values[] = {
      "",
      "plain",
      "Zeile 1\r\nZeile 2",
      "\r\nleading and trailing\r\n",
      "A & B < C > D \"E\" 'F'",
      "tab\there, control \x01 char",
      "Umlaute \xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC",
  };
  for (const std::string& value : values) {
    pugi::xml_document doc;
    TXMLHelper::AddTextElement(doc.append_child("r"), "v", value);
    pugi::xml_document read = Parse(FileText(doc));
    EXPECT_EQ(TXMLHelper::ReadText("v", read.child("r")), value);
  }
}

TEST(XMLHelperTest, ReadTextTurnsLfIntoCrLfWithoutDoublingCr) {
  pugi::xml_document doc;
  pugi::xml_node r = doc.append_child("r");
  r.append_child("lf").append_child(pugi::node_pcdata).set_value("a\nb\n");
  r.append_child("crlf").append_child(pugi::node_pcdata).set_value("a\r\nb");
  r.append_child("mixed").append_child(pugi::node_pcdata).set_value("a\r\nb\nc");
  EXPECT_EQ(TXMLHelper::ReadText("lf", r), "a\r\nb\r\n");
  EXPECT_EQ(TXMLHelper::ReadText("crlf", r), "a\r\nb");
  EXPECT_EQ(TXMLHelper::ReadText("mixed", r), "a\r\nb\r\nc");
}

TEST(XMLHelperTest, ReadTextTakesTheFirstDirectChild) {
  pugi::xml_document doc = Parse(
      "<r><inner><v>nested</v></inner><v>first</v><v>second</v><w><![CDATA[x<y]]></w>"
      "<empty/></r>");
  pugi::xml_node r = doc.child("r");
  EXPECT_EQ(TXMLHelper::ReadText("v", r), "first");
  EXPECT_EQ(TXMLHelper::ReadText("w", r), "x<y");
  EXPECT_EQ(TXMLHelper::ReadText("empty", r), "");
  EXPECT_EQ(TXMLHelper::ReadText("missing", r), "");
  EXPECT_EQ(TXMLHelper::ReadText("V", r), "");  // names are case-sensitive

  EXPECT_EQ(TXMLHelper::ReadTextDefault("v", r, "d"), "first");
  EXPECT_EQ(TXMLHelper::ReadTextDefault("empty", r, "d"), "d");
  EXPECT_EQ(TXMLHelper::ReadTextDefault("missing", r, "d"), "d");
}

TEST(XMLHelperTest, StrToBoolAcceptsNumbersAndTrueFalse) {
  struct Case {
    const char* text;
    bool value;
  } cases[] = {
      {"-1", true},     {"0", false},     {"1", true},    {"42", true},
      {"-0", false},    {"+0", false},    {"000", false}, {"99999999999999999999", true},
      {"true", true},   {"TRUE", true},   {"True", true}, {"false", false},
      {"FALSE", false}, {"fAlSe", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(TXMLHelper::StrToBool(c.text), c.value) << c.text;
}

TEST(XMLHelperTest, StrToBoolRejectsOtherWords) {
  for (const char* text :
       {"yes", "no", "wahr", "1x", " 1", "1 ", "-", "tru", "true ", "0x1", "1.0"}) {
    try {
      TXMLHelper::StrToBool(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), "\"" + std::string(text) + "\" is not a valid boolean.");
    }
  }
}

TEST(XMLHelperTest, ReadBoolIsFalseForMissingOrEmptyAndThrowsForJunk) {
  pugi::xml_document doc = Parse("<r><t>-1</t><f>0</f><word>TRUE</word><empty/><bad>ja</bad></r>");
  pugi::xml_node r = doc.child("r");
  EXPECT_TRUE(TXMLHelper::ReadBool("t", r));
  EXPECT_FALSE(TXMLHelper::ReadBool("f", r));
  EXPECT_TRUE(TXMLHelper::ReadBool("word", r));
  EXPECT_FALSE(TXMLHelper::ReadBool("empty", r));
  EXPECT_FALSE(TXMLHelper::ReadBool("missing", r));
  EXPECT_THROW(TXMLHelper::ReadBool("bad", r), EConvertError);
}

TEST(XMLHelperTest, StrToIntReadsDecimal32BitIntegers) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"0", 0},
      {"15", 15},
      {"-3", -3},
      {"+7", 7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) EXPECT_EQ(TXMLHelper::StrToInt(c.text), c.value) << c.text;
}

TEST(XMLHelperTest, StrToIntRejectsJunkAndOverflow) {
  for (const char* text : {"", "-", "+", "abc", "12a", " 1", "1 ", "1.5", "0x10", "2147483648",
                           "-2147483649", "99999999999999999999999"}) {
    try {
      TXMLHelper::StrToInt(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()),
                "\"" + std::string(text) + "\" is not a valid integer value.");
    }
  }
}

}  // namespace

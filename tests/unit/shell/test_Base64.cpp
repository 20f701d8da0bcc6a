#include "shell/Base64.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Vector {
  std::string plain, encoded;
};

// RFC 4648, section 10.
const Vector kRfcVectors[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
};

TEST(Base64Test, RfcVectors) {
  for (const auto& v : kRfcVectors) {
    EXPECT_EQ(Base64Encode(v.plain), v.encoded) << v.plain;
    EXPECT_EQ(Base64Decode(v.encoded), v.plain) << v.encoded;
  }
}

TEST(Base64Test, LongInputIsOneLine) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7 % 256);
  std::string encoded = Base64Encode(bytes);
  EXPECT_EQ(encoded.size(), (bytes.size() + 2) / 3 * 4);
  EXPECT_EQ(encoded.find_first_not_of(
                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/="),
            std::string::npos);
  // Whole groups encode independently, so pieces must join up exactly.
  EXPECT_EQ(encoded, Base64Encode(bytes.substr(0, 540)) + Base64Encode(bytes.substr(540)));
  EXPECT_EQ(Base64Decode(encoded), bytes);
}

TEST(Base64Test, EveryByteValueRoundTrips) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  for (size_t len : {size_t{1}, size_t{2}, size_t{255}, size_t{256}}) {
    std::string part = bytes.substr(256 - len);
    EXPECT_EQ(Base64Decode(Base64Encode(part)), part) << len;
  }
}

TEST(Base64Test, InputLargerThanOneLibraryCallRoundTrips) {
  std::string bytes(3 * 1024 * 1024 + 5, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 131) >> 3);
  std::string encoded = Base64Encode(bytes);
  EXPECT_EQ(encoded.size(), (bytes.size() + 2) / 3 * 4);
  EXPECT_EQ(encoded.find('\n'), std::string::npos);
  EXPECT_EQ(Base64Decode(encoded), bytes);
}

TEST(Base64Test, DecoderSkipsCharactersOutsideTheAlphabet) {
  const Vector cases[] = {
      {"foobar", "Zm9v\r\nYmFy"},
      {"foobar", " Zm9v YmFy \t"},
      {"foobar", "Zm9v!!YmFy"},
      {"foo",
       "Zm\xC3\xA4"
       "9v"},
      {"f", "Zg"},  // padding may be missing
      {"", "===="},
      {"", "!?"},
  };
  for (const auto& c : cases) EXPECT_EQ(Base64Decode(c.encoded), c.plain) << c.encoded;
}

}  // namespace

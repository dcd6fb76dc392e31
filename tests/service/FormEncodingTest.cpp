#include <gtest/gtest.h>

#include <string>

#include "service/FormEncoding.h"

namespace vorla {
namespace {

using namespace std::string_literals;

std::string Bytes(std::string_view input) {
  std::string out = "x=";  // encoders append
  EncodeFormBytes(input, out);
  return out.substr(2);
}

std::string Url(std::string_view input) {
  std::string out;
  const std::int32_t length = EncodeUrlField(input, out);
  EXPECT_EQ(length, static_cast<std::int32_t>(out.size()));
  return out;
}

std::string String(std::string_view input) {
  std::string out;
  EncodeFormString(input, out);
  return out;
}

std::string Binary(std::string_view input) {
  std::string out;
  EncodeFormBinary(input, out);
  return out;
}

TEST(FormEncoding, EachEncoderEscapesItsOwnSet) {
  struct Case {
    std::string input;
    std::string bytes, url, string, binary;
  };
  const Case cases[] = {
      {"a b&c=d", "a+b%26c%3dd", "a+b%26c%3dd", "a+b%26c%3dd", "a+b%26c%3dd"},
      {"\n", "\n", "%0a", "%0a", "%0a"},
      {"\xE4", "\xE4", "%e4", "%e4", "%e4"},
      {"\xFF\x80", "\xFF\x80", "%ff%80", "%ff%80", "%ff%80"},
      {"%+?", "%25%2b%3f", "%25%2b%3f", "%25%2b%3f", "%25%2b%3f"},
      {"\x01\x0F", "\x01\x0F", "%01%0f", "%01%0f", "%01%0f"},
      {"Az09-_.~", "Az09-_.~", "Az09%2d%5f%2e%7e", "Az09%2d%5f%2e%7e", "Az09%2d%5f%2e%7e"},
      // A zero byte ends the text only for EncodeFormString.
      {"a\0b"s, "a%00b", "a%00b", "a", "a%00b"},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(Bytes(c.input), c.bytes);
    EXPECT_EQ(Url(c.input), c.url);
    EXPECT_EQ(String(c.input), c.string);
    EXPECT_EQ(Binary(c.input), c.binary);
  }
}

TEST(FormEncoding, UrlFieldHoldsAtMost2047Characters) {
  struct Case {
    std::string input;
    std::int32_t length;  // -1: refused
  };
  const Case cases[] = {
      {std::string(2047, 'a'), 2047},       {std::string(2048, 'a'), -1},
      {std::string(2044, 'a') + "/", 2047}, {std::string(2045, 'a') + "/", -1},
      {std::string(682, '/'), 2046},        {std::string(683, '/'), -1},
  };
  for (const Case& c : cases) {
    std::string out = "stale";
    EXPECT_EQ(EncodeUrlField(c.input, out), c.length) << c.input.size();
    EXPECT_EQ(out.size(), c.length < 0 ? 0u : static_cast<std::size_t>(c.length));
  }
}

TEST(FormEncoding, EveryByteSurvivesTheRoundTripInHexOfTwoLowerCaseDigits) {
  std::string all;
  for (int c = 0; c < 256; ++c)
    all.push_back(static_cast<char>(c));
  const std::string encoded = Binary(all);
  // 62 letters and digits stay, the space becomes "+", 193 bytes become three characters.
  EXPECT_EQ(encoded.size(), 62u + 1u + 193u * 3u);
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] != '%') continue;
    ASSERT_LE(i + 2, encoded.size() - 1);
    for (char digit : {encoded[i + 1], encoded[i + 2]}) {
      EXPECT_TRUE((digit >= '0' && digit <= '9') || (digit >= 'a' && digit <= 'f')) << i;
    }
  }
}

}  // namespace
}  // namespace vorla

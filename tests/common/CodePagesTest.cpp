#include <gtest/gtest.h>

#include <climits>

#include "common/CodePages.h"

namespace vorla {
namespace {

using namespace std::string_literals;

TEST(CodePages, EncodingIndexTable) {
  const std::pair<int, int> cases[] = {
      {0, 0},     {1, 65001}, {2, 1252},  {16, 57002},     {31, 57010},     {32, 1200},
      {33, 1201}, {34, 1252}, {-1, 1252}, {INT_MAX, 1252}, {INT_MIN, 1252},
  };
  for (const auto& [index, codePage] : cases) {
    EXPECT_EQ(CodePageOfEncoding(index), codePage) << index;
  }
}

TEST(CodePages, ConvertsBothWays) {
  struct Case {
    int codePage;
    std::string utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {1252, "Äiti €", "\xC4iti \x80"},
      {65001, "Äiti €", "Äiti €"},
      {1200, "AÄ😀", "A\0\xC4\0\x3D\xD8\x00\xDE"s},
      {1201, "AÄ😀", "\0A\0\xC4\xD8\x3D\xDE\x00"s},
      {1251, "Жук", "\xC6\xF3\xEA"},
      {932, "日本", "\x93\xFA\x96\x7B"},
      {28605, "€", "\xA4"},
      {65000, "Ä€", "+AMQgrA-"},
      {1250, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCodePage(c.codePage, c.utf8), c.bytes) << c.codePage;
    EXPECT_EQ(CodePageToUtf8(c.codePage, c.bytes), c.utf8) << c.codePage;
  }
}

TEST(CodePages, OutputLongerThanTheInputGrows) {
  std::string text;
  for (int i = 0; i < 100; ++i)
    text += "日Ж";
  for (const int codePage : {932, 65000}) {
    const auto bytes = Utf8ToCodePage(codePage, text);
    ASSERT_TRUE(bytes) << codePage;
    EXPECT_EQ(bytes->find('?'), std::string::npos) << codePage;
    EXPECT_EQ(CodePageToUtf8(codePage, *bytes), text) << codePage;
  }
}

TEST(CodePages, IsciiRoundTripInEachScript) {
  const std::pair<int, const char*> cases[] = {
      {57002, "नमस्ते"},   // Devanagari
      {57004, "வணக்கம்"},  // Tamil
      {57010, "નમસ્તે"},   // Gujarati
  };
  for (const auto& [codePage, text] : cases) {
    const auto bytes = Utf8ToCodePage(codePage, text);
    ASSERT_TRUE(bytes) << codePage;
    // A converter of the wrong script could not hold the letters at all.
    EXPECT_EQ(bytes->find('?'), std::string::npos) << codePage;
    EXPECT_EQ(CodePageToUtf8(codePage, *bytes), text) << codePage;
  }
}

TEST(CodePages, ReplacesWhatCannotBeConverted) {
  // Our own table: 0x81 is undefined in Windows-1252, though other tables give it U+0081.
  EXPECT_EQ(CodePageToUtf8(1252, "\x80\x81", U'#'), "€#");
  EXPECT_EQ(Utf8ToCodePage(1252, "Ж\xFF", '#'), "##");
  EXPECT_EQ(CodePageToUtf8(65001, "a\xFFz", U'#'), "a#z");
  EXPECT_EQ(Utf8ToCodePage(65001, "a\xC0\xAFz", '#'), "a##z");
  EXPECT_EQ(Utf8ToCodePage(1200, "a\xFF", '#'), "a\0#\0"s);
  EXPECT_EQ(CodePageToUtf8(1200,
                           "\x00\xD8"s
                           "a\0"s,
                           U'#'),
            "#a");  // unpaired surrogate
  EXPECT_EQ(Utf8ToCodePage(1251, "Жук Ä 😀", '#'), "\xC6\xF3\xEA # #");
  EXPECT_EQ(CodePageToUtf8(932, "a\x85\x40 \x81", U'#'), "a# #");  // unassigned, truncated
  EXPECT_EQ(Utf8ToCodePage(932, "a\xFF", '#'), "a#");
}

TEST(CodePages, UnknownCodePageGivesNothing) {
  for (const int codePage : {0, 437, 20127, 1259, -1}) {
    EXPECT_FALSE(CodePageToUtf8(codePage, "")) << codePage;
    EXPECT_FALSE(CodePageToUtf8(codePage, "abc")) << codePage;
    EXPECT_FALSE(Utf8ToCodePage(codePage, "abc")) << codePage;
  }
}

TEST(CodePages, ByteOrderMarks) {
  struct Case {
    const char* name;
    std::string input;
    std::string bytes;
    bool utf8;
  };
  const Case cases[] = {
      {"UTF-8", "\xEF\xBB\xBF\xC3\x84iti", "\xC3\x84iti", true},
      {"UTF-8 mark only", "\xEF\xBB\xBF", "", true},
      {"UTF-16 LE",
       "\xFF\xFE"
       "A\0\xC4\0"s,
       "AÄ", true},
      {"UTF-16 BE",
       "\xFE\xFF"
       "\0A\0\xC4"s,
       "AÄ", true},
      {"UTF-16 LE odd length",
       "\xFF\xFE"
       "A\0B"s,
       "A\uFFFD", true},
      {"UTF-16 BE mark and one byte", "\xFE\xFF\x41", "\uFFFD", true},
      {"UTF-16 mark only", "\xFF\xFE", "", true},
      {"no mark", "\xC4iti", "\xC4iti", false},
      {"part of a UTF-8 mark", "\xEF\xBB", "\xEF\xBB", false},
      {"one byte", "\xFF", "\xFF", false},
      {"empty", "", "", false},
  };
  for (const Case& c : cases) {
    const UnmarkedText result = RemoveByteOrderMark(c.input);
    EXPECT_EQ(result.bytes, c.bytes) << c.name;
    EXPECT_EQ(result.utf8, c.utf8) << c.name;
  }
}

TEST(CodePages, LooksLikeUtf8) {
  const std::pair<std::string, bool> cases[] = {
      {"\xC3\xA4", true},          // ä
      {"\xC4\x99", false},         // Ä™ in Windows-1252
      {"x\xA4y", false},           // a continuation byte after an ASCII letter
      {"\xE4\x96\x96", false},     // three bytes, no evidence
      {"A\xC3", false},            // a lead byte in the last position
      {"\xC4\x8D", true},          // č: evidence
      {"\xE7\x8C\xAB", true},      // 猫
      {"\xE2\x82\xAC", true},      // €: E2 is never Windows-1252 letters here
      {"\xF0\x9F\x98\x80", true},  // 😀
      {"\xF0\x9F\x98", false},     // a four-byte sequence cut short
      {"\xC3x", false},            // a lead without its continuation
      {"\xA4", false},             // a continuation byte first
      {"\xD7\xBC", false},         // ×¼
      {"\xD7\x90", true},          // א
      {"plain ASCII text", false},
      {"", false},
      {"K\xC3\xA4\xC3\xA4nn\xC3\xB6s", true},
      {"K\xE4\xE4nn\xF6s", false},  // Windows-1252
  };
  for (const auto& [bytes, utf8] : cases) {
    EXPECT_EQ(LooksLikeUtf8(bytes), utf8) << testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace vorla

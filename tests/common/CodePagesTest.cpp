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

}  // namespace
}  // namespace vorla

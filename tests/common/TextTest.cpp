#include <gtest/gtest.h>

#include <clocale>

#include "common/Bilingual.h"
#include "common/NumberFormat.h"
#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla {
namespace {

TEST(Windows1252, TableBothWays) {
  struct Case {
    std::uint8_t byte;
    char32_t codePoint;
  };
  const Case cases[] = {
      {0x41, U'A'},   {0x80, 0x20AC}, {0x8A, 0x0160}, {0x92, 0x2019}, {0x9F, 0x0178},
      {0xA0, 0x00A0}, {0xE4, 0x00E4}, {0xFF, 0x00FF}, {0x00, 0x0000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToCodePoint(c.byte).value_or(0xFFFF), c.codePoint) << int(c.byte);
    EXPECT_EQ(CodePointToCp1252(c.codePoint), c.byte) << int(c.byte);
  }
  for (const std::uint8_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_FALSE(Cp1252ToCodePoint(undefined)) << int(undefined);
  }
  // The C1 controls and characters beyond the code page have no byte.
  for (const char32_t missing :
       {char32_t{0x80}, char32_t{0x9F}, char32_t{0x0416}, char32_t{0x1F600}}) {
    EXPECT_FALSE(CodePointToCp1252(missing)) << std::hex << static_cast<std::uint32_t>(missing);
  }
}

TEST(Windows1252, ConvertsTextToAndFromUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("\xC4iti \x80 \x81"), "Äiti € \xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp1252("Äiti € Жук"), "\xC4iti \x80 ???");
  EXPECT_EQ(Utf8ToCp1252("a\xFFz", ' '), "a z");
  EXPECT_EQ(Utf8ToCp1252Strict("Äiti €"), "\xC4iti \x80");
  EXPECT_FALSE(Utf8ToCp1252Strict("Жук"));
  EXPECT_FALSE(Utf8ToCp1252Strict("\xC2\x85"));  // U+0085 is not the byte 0x85
}

TEST(Windows1252, CaseFolding) {
  const std::pair<std::uint8_t, std::uint8_t> pairs[] = {
      {'A', 'a'},   {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E},
      {0x9F, 0xFF}, {0xC0, 0xE0}, {0xDE, 0xFE},
  };
  for (const auto& [upper, lower] : pairs) {
    EXPECT_EQ(Cp1252ToLower(upper), lower) << int(upper);
    EXPECT_EQ(Cp1252ToUpper(lower), upper) << int(lower);
  }
  // × and ÷ are not letters; ß has no capital in the code page.
  for (const std::uint8_t same : {0xD7, 0xF7, 0xDF, 0x80, 0x31}) {
    EXPECT_EQ(Cp1252ToLower(same), same);
    EXPECT_EQ(Cp1252ToUpper(same), same);
  }
  EXPECT_EQ(Cp1252CompareNoCase("\xC4ITI", "\xE4iti"), 0);
  EXPECT_LT(Cp1252CompareNoCase("zebra", "\xC4iti"), 0);  // unsigned bytes: z < Ä
  EXPECT_LT(Cp1252CompareNoCase("ab", "abc"), 0);
}

TEST(Utf8, DecodesAndRejectsMalformedSequences) {
  EXPECT_EQ(Utf16ToUtf8(u"Ä😀"), "Ä😀");
  EXPECT_EQ(Utf8ToUtf16("Ä😀"), u"Ä😀");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
  // Overlong, surrogate, truncated and stray continuation bytes are each replaced.
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF|\xED\xA0\x80|\xE2\x82|\x80"),
            u"\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD");
}

TEST(Bilingual, PicksTheLanguageAndReplacesTheArgument) {
  constexpr BilingualText text{"Dictionary '@1' saved", "Sanakirja '@1' tallennettu"};
  EXPECT_EQ(FormatMessage(text, UiLanguage::English, "Law"), "Dictionary 'Law' saved");
  EXPECT_EQ(FormatMessage(text, UiLanguage::Finnish, "Laki"), "Sanakirja 'Laki' tallennettu");
  EXPECT_EQ(FormatMessage({"@", "@2"}, UiLanguage::Finnish, "x"), "@2");
}

TEST(NumberFormat, IgnoresTheLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "fi_FI.UTF-8");  // may be missing; the result must not depend on it
  EXPECT_EQ(FormatFixed(2.5, 2), "2.50");
  EXPECT_EQ(FormatTrimmed(12.5), "12.5");
  EXPECT_EQ(FormatTrimmed(100.0), "100");
  EXPECT_EQ(FormatTrimmed(0.0000001), "0");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace vorla

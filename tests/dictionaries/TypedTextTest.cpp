#include <gtest/gtest.h>

#include "dictionaries/InvertedTerm.h"
#include "dictionaries/TypedText.h"

namespace vorla {
namespace {

TEST(ConvertTypedText, ConvertsToWindows1252BySide) {
  struct Case {
    std::string_view typed;
    TextSide side;
    std::string_view bytes;
  };
  const Case cases[] = {
      {"talo", TextSide::Source, "talo"},
      {"äiti €5 – ’", TextSide::Source,
       "\xE4iti \x80"
       "5 \x96 \x92"},
      {"soft\u00ADhy\u2060phen\uFEFF", TextSide::Translation, "softhyphen"},
      {"a\u2007b", TextSide::Translation, "a b"},
      {"a\u202Fb", TextSide::Source, "a b"},
      {"a\u202Fb", TextSide::Translation,
       "a\xA0"
       "b"},
      {"e\u2011mail", TextSide::Source, "e-mail"},
      {"e\u2011mail", TextSide::Translation, "e&#8209;mail"},
  };
  for (const Case& c : cases) {
    const TypedText converted = ConvertTypedText(c.typed, c.side);
    EXPECT_EQ(converted.result, TypedTextResult::Converted) << c.typed;
    EXPECT_EQ(converted.bytes, c.bytes) << c.typed;
  }
}

// Never a silent look-alike: every character without a Windows-1252 byte is refused.
TEST(ConvertTypedText, RefusesCharactersOutsideTheCodePage) {
  const std::pair<std::string_view, char32_t> cases[] = {
      {"Žluť", U'ť'},          {"x\u0085y", 0x85},  // a C1 control is not the byte 0x85
      {"x\u0081y", 0x81},      {"\u2212", 0x2212},  // minus sign, not '-'
      {"\xFFz", 0xFFFD},                            // invalid UTF-8
      {"\U0001F600", 0x1F600},
  };
  for (const auto& [typed, offending] : cases) {
    const TypedText converted = ConvertTypedText(typed, TextSide::Source);
    EXPECT_EQ(converted.result, TypedTextResult::IllegalChar) << typed;
    EXPECT_EQ(converted.offending, offending) << typed;
  }
}

TEST(ConvertTypedText, StopsAt398Bytes) {
  EXPECT_EQ(ConvertTypedText(std::string(398, 'a'), TextSide::Source).result,
            TypedTextResult::Converted);
  EXPECT_EQ(ConvertTypedText(std::string(399, 'a'), TextSide::Source).result,
            TypedTextResult::TooLong);
  // The seven-byte reference may not pass 398 either.
  const std::string nearly = std::string(392, 'a') + "\u2011";
  EXPECT_EQ(ConvertTypedText(nearly, TextSide::Source).result, TypedTextResult::Converted);
  EXPECT_EQ(ConvertTypedText(nearly, TextSide::Translation).result, TypedTextResult::TooLong);
  EXPECT_EQ(ConvertTypedText(std::string(391, 'a') + "\u2011", TextSide::Translation).bytes.size(),
            398u);
}

TEST(ConvertStoredText, ShowsCharactersAndReferences) {
  struct Case {
    std::string_view stored;
    std::string_view shown;
  };
  const Case cases[] = {
      {"\xE4iti \x80 \x92", "äiti € ’"},
      {"e&#8209;mail", "e\u2011mail"},
      {"&#x2011;&#X41;", "\u2011A"},
      {"&#65", "&#65"},                  // no ';'
      {"&#123456;", "&#123456;"},        // six digits
      {"&#0;&#xD800;", "&#0;&#xD800;"},  // NUL and a surrogate stay text
      {"R&D &#;", "R&D &#;"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ConvertStoredText(c.stored), c.shown) << c.stored;
}

TEST(RewriteInvertedTerm, MovesTheModifiersInFront) {
  struct Case {
    std::string_view text;
    std::string_view rewritten;
  };
  const Case cases[] = {
      {"court <supreme> of justice", "supreme court* of justice"},
      {"court <supreme>", "supreme court"},
      {"court\t < supreme\t>", "supreme court"},
      {"court <supreme", "supreme court"},
      {"court <supreme>   ", "court <supreme>   "},  // only blanks after '>'
      {"court <>", "court <>"},
      {"<supreme> court", "<supreme> court"},        // '<' first: no head
      {"   <supreme> court", "   <supreme> court"},  // blank head
      {"co\x01urt <supreme>", "co\x01urt <supreme>"},
      {"court", "court"},
  };
  for (const Case& c : cases) {
    std::string text(c.text);
    EXPECT_EQ(RewriteInvertedTerm(text, 400), c.rewritten.size()) << c.text;
    EXPECT_EQ(text, c.rewritten) << c.text;
  }
}

TEST(RewriteInvertedTerm, LeavesTextThatDoesNotFitOrIsTooLong) {
  std::string text = "court <supreme> of justice";
  EXPECT_EQ(RewriteInvertedTerm(text, 25), 26u);  // 25 bytes and a terminator do not fit
  EXPECT_EQ(text, "court <supreme> of justice");
  EXPECT_EQ(RewriteInvertedTerm(text, 26), 25u);

  std::string longer = "court <supreme> " + std::string(184, 'x');
  ASSERT_EQ(longer.size(), 200u);
  EXPECT_EQ(RewriteInvertedTerm(longer, 400), 200u);
  longer.pop_back();
  EXPECT_EQ(RewriteInvertedTerm(longer, 400), 198u);
  EXPECT_TRUE(longer.starts_with("supreme court* x"));
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include "FakeClipboard.h"
#include "translation/ClipboardResult.h"
#include "translation/ClipboardText.h"

namespace vorla {
namespace {

constexpr const char* kRtfWithPicture =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello {\\b bold}"
    "{\\pict\\pngblip\\picw2\\pich1 89504e47}\\par}";

struct ReadCase {
  const char* name;
  std::optional<std::string> rtf;
  std::optional<std::string> text;
  ClipboardReadOptions options;
  // Nothing: no text is taken.
  std::optional<int> format;
  // Contained in the bytes taken (the whole of them for plain text).
  std::string expected;
};

class ClipboardTextTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ClipboardTextTest, TakesTheClipboardText) {
  const ReadCase& c = GetParam();
  test::FakeClipboard clipboard;
  clipboard.rtf = c.rtf;
  clipboard.text = c.text;
  const std::optional<ClipboardText> taken = GetClipboardText(clipboard, c.options);
  if (!c.format) {
    EXPECT_FALSE(taken);
    return;
  }
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->format, *c.format);
  if (*c.format == kFormatTxt) {
    EXPECT_EQ(taken->bytes, c.expected);
  } else {
    EXPECT_TRUE(taken->bytes.starts_with("{\\rtf1")) << taken->bytes;
    EXPECT_NE(taken->bytes.find(c.expected), std::string::npos) << taken->bytes;
    EXPECT_EQ(taken->bytes.find("\\pict"), std::string::npos) << taken->bytes;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipboardTextTest,
    testing::Values(
        ReadCase{"RtfWithoutItsPicture", kRtfWithPicture, "Hello bold", {}, kFormatRtf, "bold"},
        ReadCase{"RtfAsTextWhenFormattingIsRemoved",
                 kRtfWithPicture,
                 "Hello bold",
                 {.autoRemoveFormatting = true},
                 kFormatTxt,
                 "Hello bold"},
        ReadCase{"BlanksAtBothEndsGo",
                 std::nullopt,
                 " \t\r\n\xC2\xA0Hello\xC2\xA0world\xC2\xA0\n ",
                 {},
                 kFormatTxt,
                 "Hello\xA0world"},
        ReadCase{"OnlyBlanksIsNoText", std::nullopt, "\xC2\xA0 \t\r\n", {}, std::nullopt, ""},
        ReadCase{"NothingOnTheClipboard", std::nullopt, std::nullopt, {}, std::nullopt, ""},
        ReadCase{"LocalPairFoldsToWindows1252",
                 std::nullopt,
                 "\xD0\x9C\xD0\xB8\xD1\x80 \xC3\xA4\xE2\x82\xAC",
                 {},
                 kFormatTxt,
                 "    \xE4\x80"},
        // "Мир" stays as it is: folding would have sent three blanks.
        ReadCase{"FurtherPairKeepsUnicodeAsUtf8Rtf",
                 std::nullopt,
                 " \xD0\x9C\xD0\xB8\xD1\x80 \xC3\xA4",
                 {.furtherPair = true},
                 kFormatRtf,
                 "\xD0\x9C\xD0\xB8\xD1\x80 \xC3\xA4"}),
    [](const testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(ClipboardTextTest, RtfIsCutAtTheTextLimit) {
  test::FakeClipboard clipboard;
  clipboard.rtf = "{\\rtf1\\ansi abcdefghij}";
  const auto taken = GetClipboardText(clipboard, {.maxCharacters = 4});
  ASSERT_TRUE(taken);
  EXPECT_NE(taken->bytes.find("abcd"), std::string::npos);
  EXPECT_EQ(taken->bytes.find("abcde"), std::string::npos);
}

TEST(ClipboardResultTest, PutsTheResultInItsFormatOnlyWhenAsked) {
  test::FakeClipboard clipboard;
  TranslationDelivery delivery;
  delivery.result = "p\xE4iv\xE4\xE4";
  EXPECT_FALSE(PutResultOnClipboard(clipboard, delivery));
  EXPECT_FALSE(clipboard.text || clipboard.rtf);

  delivery.copyToClipboard = true;
  EXPECT_TRUE(PutResultOnClipboard(clipboard, delivery));
  EXPECT_EQ(clipboard.text, "p\xC3\xA4iv\xC3\xA4\xC3\xA4");

  delivery.rtf = true;
  delivery.result = "{\\rtf1 p\\'e4iv\\'e4\\'e4}";
  EXPECT_TRUE(PutResultOnClipboard(clipboard, delivery));
  EXPECT_EQ(clipboard.rtf, delivery.result);
  EXPECT_EQ(clipboard.rtfCodePage, delivery.codePage);
  EXPECT_FALSE(clipboard.text);
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "RichDocumentPrinting.h"
#include "documents/rtf/RtfReader.h"

namespace vorla {
namespace {

struct TextCase {
  const char* name;
  std::string rtf;
  std::string text;  // the pane text, UTF-8
};

void ExpectTexts(const std::vector<TextCase>& cases, RtfReadOptions options = {}) {
  for (const TextCase& c : cases) {
    EXPECT_EQ(PaneTextOf(c.rtf, options), c.text) << c.name << ": " << c.rtf;
  }
}

TEST(RtfReader, DecodesCharactersInTheirCodePage) {
  ExpectTexts({
      {"hex byte in 1252", R"({\rtf1\ansi\ansicpg1252 \'e4\'80})", "ä€"},
      {"no code page declared", R"({\rtf1\ansi \'e4})", "ä"},
      {"hex byte in 1251", R"({\rtf1\ansi\ansicpg1251 \'e4})", "д"},
      {"font character set",
       R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset204 B;}}\f1\'e4\f0\'e4})", "дä"},
      {"font character set 1 is the document's",
       R"({\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fcharset1 A;}}\'e4})", "д"},
      {"font code page", R"({\rtf1\ansi{\fonttbl{\f0\fcharset0\cpg1250 A;}}\f0\'e8})", "č"},
      {"double-byte character", R"({\rtf1\ansi{\fonttbl{\f0\fcharset128 A;}}\f0\'82\'a0x})", "あx"},
      {"raw text in the font's code page",
       "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 A;}}\\f0 \xe8}", "č"},
      {"code page we cannot convert", R"({\rtf1\ansi\ansicpg99999 \'e4})", "ä"},
      {"raw 8-bit text", "{\\rtf1\\ansi caf\xe9}", "café"},
      {"declared UTF-8", "{\\rtf1\\ansi\\ansicpg65001 Hyv\xc3\xa4\xc3\xa4 \xd0\x96}", "Hyvää Ж"},
      {"invalid UTF-8",
       "{\\rtf1\\ansi\\ansicpg65001 a\xff"
       "b}",
       "a\xEF\xBF\xBD"
       "b"},
      {"unicode", R"({\rtf1 \u8209?x})", "\u2011x"},
      {"negative unicode", R"({\rtf1 \u-3913?x})", "\uF0B7x"},
      {"fallback as hex byte", R"({\rtf1 \u1046\'3fx})", "Жx"},
      {"two fallback bytes", R"({\rtf1 \uc2\u1046\'82\'a0x})", "Жx"},
      {"no fallback", R"({\rtf1 \uc0\u1046 x})", "Жx"},
      {"fallback ends at a control word", R"({\rtf1 \uc3\u1046?\par x})", "Ж\nx"},
      {"skip count is the group's", R"({\rtf1 {\uc2 a}\u1046?b})", "aЖb"},
      {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?!})", "😀!"},
      {"lone high surrogate", R"({\rtf1 \u-10179?x})", "\uFFFDx"},
      {"lone low surrogate", R"({\rtf1 \u-8704?x})", "\uFFFDx"},
      {"out of range unicode", R"({\rtf1 \u99999?x})", "\uFFFDx"},
      {"control word as fallback", R"({\rtf1 \u8212\emdash x\u8226\bullet})", "\u2014x\u2022"},
      {"control symbol as fallback", R"({\rtf1 \u160\~x})", "\u00A0x"},
      {"two fallbacks of words", R"({\rtf1 \uc2\u8220\ldblquote\lquote x})", "\u201Cx"},
  });
}

TEST(RtfReader, DecodesTheCodePagesOfOtherSystems) {
  const auto inFont = [](int charset, std::string_view text) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset" + std::to_string(charset) + " A;}}\\f0 " +
           std::string(text) + "}";
  };
  ExpectTexts({
      {"Word's bullet in the symbol font",
       R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset2 Symbol;}}{\f1\'b7\tab}\f0 item})",
       "\u2022\titem"},
      {"symbol letters and signs", inFont(2, R"(\'61\'62\'b1\'b9\'ae\'a5)"), "αβ±≠→∞"},
      {"symbol font characters by \\u", inFont(2, R"(\u-3913?\u61537?1)"), "\u2022\u03B11"},
      {"Mac Roman document", R"({\rtf1\mac \'8a\'80\'d5})", "äÄ’"},
      {"Mac Roman font", inFont(77, R"(\'8a\'a5)"), "ä•"},
      {"DOS document", R"({\rtf1\pc \'81\'e4\'c9})", "üΣ╔"},
      {"DOS font", inFont(254, R"(\'81)"), "ü"},
      {"the other DOS font", inFont(255, R"(\'e1)"), "ß"},
      {"DOS Latin-1 document", R"({\rtf1\pca \'9b\'d0})", "øð"},
      {"Mac Cyrillic font", inFont(89, R"(\'80\'e4)"), "Ад"},
      {"Johab syllables", inFont(130, R"(\'88\'61\'d0\'65 x)"), "가한 x"},
      {"Johab letters alone", inFont(130, R"(\'88\'41\'84\'61\'84\'45\'84\'41)"),
       "\u3131\u314F\u3134\u3164"},
      {"Johab symbols and Hanja", inFont(130, R"(\'d9\'31\'e0\'31\'d9\'32\'d9\'a0\'d9\'a1)"),
       "\u3000伽\u3001\uFFE2\u21D2"},
      {"Johab without a character", inFont(130, R"(\'d8\'31\'88)"), "\uFFFD\uFFFD"},
  });
}

TEST(RtfReader, RawTextOfAUtf8Stream) {
  // The panes stream further-language jobs in code page 65001 whatever the header says.
  const std::string rtf = "{\\rtf1\\ansi\\ansicpg1252 \xd0\x9f\xd1\x80\xd0\xb8 \\'e4}";
  EXPECT_EQ(PaneTextOf(rtf, {.streamCodePage = 65001}), "При ä");
  EXPECT_EQ(PaneTextOf(rtf), "ÐŸÑ€Ð¸ ä");
}

TEST(RtfReader, SymbolsBreaksAndDestinations) {
  ExpectTexts({
      {"paragraphs", R"({\rtf1 a\par b\par})", "a\nb\n"},
      {"page, section and column breaks", R"({\rtf1 a\page b\sect c\column d})", "a\nb\nc\nd"},
      {"line ends in the stream are not text", "{\\rtf1 a\r\nb\\\r\nc}", "ab\nc"},
      {"tab and line", R"({\rtf1 a\tab b\line c})", "a\tb\vc"},
      {"escapes", R"({\rtf1 \\ \{ \}})", "\\ { }"},
      {"special spaces and hyphens", R"({\rtf1 a\~b\-c\_d})", "a\u00A0b\u00ADc\u2011d"},
      {"quotes and dashes", R"({\rtf1 \lquote\rquote\ldblquote\rdblquote\endash\emdash\bullet})",
       "\u2018\u2019\u201C\u201D\u2013\u2014\u2022"},
      {"unknown words are ignored", R"({\rtf1 a\foo12 b})", "ab"},
      {"unknown ignorable destination", R"({\rtf1 a{\*\foo {b}c}d})", "ad"},
      {"tables of the document", R"({\rtf1{\stylesheet{\s1 Normal;}}{\info{\title T}}x})", "x"},
      {"footnote", R"({\rtf1 a{\footnote b}c})", "ac"},
      {"hidden text", R"({\rtf1 a{\v b}c\v d\v0 e})", "ace"},
      {"binary data", R"({\rtf1 a{\*\blob\bin4 }}{}}b})", "ab"},
      {"binary data outside a destination", R"({\rtf1 a\bin2 {}b})", "ab"},
      {"control characters are not text", R"({\rtf1 a\'01\u13?b\'09c})", "ab\tc"},
      {"invalid hex byte", R"({\rtf1 a\'zzb\'5x})", "azzbx"},
      {"text after the document", R"({\rtf1 a}b)", "a"},
      {"numbering fallback text", R"({\rtf1{\pntext 1.\tab}Item})", "1.\tItem"},
  });
}

TEST(RtfReader, CharacterAndParagraphFormat) {
  const RichDocument document = RtfReader().Read(
      R"({\rtf1\ansi\deff1{\fonttbl{\f0\fswiss Arial ;}{\f1\froman\fcharset0 Times New Roman;}})"
      R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
      R"(\pard\qc\li720\ri360\fi-360\sb120\sa240 plain {\f0\fs28\b bold})"
      R"({\i\cf1 red}{\ul\strike\cf2 green}{\super sup}{\sub sub}{\b\i\plain reset}\par)"
      R"(\pard\qr right\par\pard\qj justified {\ul under\ulnone none}{\up6 up\dn4 down\up0 base}})");
  ASSERT_EQ(document.paragraphs.size(), 3u);
  EXPECT_EQ(document.paragraphs[0].format,
            (ParagraphFormat{ParagraphAlignment::Center, 720, 360, -360, 120, 240}));
  EXPECT_EQ(document.paragraphs[1].format.alignment, ParagraphAlignment::Right);
  EXPECT_EQ(document.paragraphs[2].format, ParagraphFormat{ParagraphAlignment::Justify});

  struct Expected {
    const char* text;
    CharacterFormat format;
  };
  const std::string times = "Times New Roman";
  const Expected runs[] = {
      {"plain ", {.fontFamily = times}},
      {"bold", {.fontFamily = "Arial", .fontSizeHalfPoints = 28, .bold = true}},
      {"red", {.fontFamily = times, .italic = true, .color = RgbColor{255, 0, 0}}},
      {"green",
       {.fontFamily = times, .underline = true, .strikeOut = true, .color = RgbColor{0, 128, 0}}},
      {"sup", {.fontFamily = times, .verticalPosition = VerticalPosition::Superscript}},
      {"sub", {.fontFamily = times, .verticalPosition = VerticalPosition::Subscript}},
      {"reset", {.fontFamily = times}},
      {"under", {.fontFamily = times, .underline = true}},
      {"none", {.fontFamily = times}},
      {"up", {.fontFamily = times, .verticalPosition = VerticalPosition::Superscript}},
      {"down", {.fontFamily = times, .verticalPosition = VerticalPosition::Subscript}},
      {"base", {.fontFamily = times}},
  };
  for (const Expected& expected : runs) {
    const std::optional<TextRun> run = FindRun(document, expected.text);
    ASSERT_TRUE(run.has_value()) << expected.text;
    EXPECT_EQ(run->format, expected.format) << expected.text;
  }
}

TEST(RtfReader, FieldsKeepTheirResultAndHyperlinksBecomeLinks) {
  const RichDocument document = RtfReader().Read(
      R"({\rtf1 {\field{\*\fldinst{HYPERLINK "https://example.com/?q=1" }}{\fldrslt{\ul site}}})"
      R"( {\field{\*\fldinst HYPERLINK \\l "luku2" \\o "vihje"}{\fldrslt {kohta}}})"
      R"( {\field{\*\fldinst hyperlink "C:\\\\kansio\\\\a \\"b\\".txt"}{\fldrslt file}})"
      R"( {\field{\*\fldinst PAGE}{\fldrslt 7}} after})");
  EXPECT_EQ(PaneText(document, StreamEncoding::Utf8), "site kohta file 7 after");
  const std::pair<const char*, const char*> links[] = {
      {"site", "https://example.com/?q=1"},
      {"kohta", "#luku2"},
      {"file", R"(C:\kansio\a "b".txt)"},
      {" ", ""},
      {" 7 after", ""},
  };
  for (const auto& [text, target] : links) {
    const std::optional<TextRun> run = FindRun(document, text);
    ASSERT_TRUE(run.has_value()) << text;
    EXPECT_EQ(run->format.linkTarget, target) << text;
  }
}

TEST(RtfReader, TablesBecomeParagraphsOfTabbedCells) {
  ExpectTexts({
      {"cells without marks",
       R"({\rtf1 \trowd\cellx1\cellx2\pard\intbl a\cell b\cell\row\pard after})", "a\tb\nafter"},
      {"each cell ending with a mark",
       R"({\rtf1 {\pard\intbl a\par}\cell{\pard\intbl b\par}\cell\row})", "a\tb\n"},
      {"empty cells", R"({\rtf1 \pard\intbl \cell a\cell\cell b\cell\row})", "\ta\t\tb\n"},
      {"empty cells ending with marks",
       R"({\rtf1 {\pard\intbl\par}\cell{\pard\intbl b\par}\cell{\pard\intbl\par}\cell\row})",
       "\tb\t\n"},
      {"a cell of two paragraphs", R"({\rtf1 \pard\intbl a\par b\cell c\cell\row})", "a\nb\tc\n"},
      {"nested table", R"({\rtf1 \pard\intbl a\nestcell b\nestcell\nestrow\cell\row})", "a\tb\n\n"},
  });
}

TEST(RtfReader, PicturesAndObjectsAreKeptWholeOrLeftOut) {
  const std::string picture = R"({\pict\pngblip\picw4 89504e47})";
  const std::string object =
      R"({\object\objemb{\*\objclass Paint}{\*\objdata 0102}{\result{\pict 03}}})";
  const std::string binary = "{\\pict\\wmetafile8\\bin4 }{{}}";
  const std::string rtf =
      R"({\rtf1 a{\*\shppict{\pict\pngblip\picw4 89504e47}}{\nonshppict{\pict 00}}b)" + object +
      "c{\\f0 " + binary.substr(1) + "d}";
  const RichDocument kept = RtfReader().Read(rtf);
  ASSERT_EQ(kept.paragraphs.size(), 1u);
  const std::vector<InlineItem> expected = {
      TextRun{{}, "a"}, EmbeddedObject{ObjectKind::Picture, picture},
      TextRun{{}, "b"}, EmbeddedObject{ObjectKind::Object, object},
      TextRun{{}, "c"}, EmbeddedObject{ObjectKind::Picture, binary},
      TextRun{{}, "d"},
  };
  EXPECT_EQ(kept.paragraphs[0].items, expected);
  EXPECT_EQ(PaneText(kept, StreamEncoding::Utf8), "a\uFFFCb\uFFFCc\uFFFCd");

  const RichDocument dropped = RtfReader({.keepObjects = false}).Read(rtf);
  EXPECT_EQ(dropped.paragraphs, (std::vector{Paragraph{{}, {TextRun{{}, "abcd"}}}}));
}

TEST(RtfReader, HostileInputEndsCleanly) {
  const std::string deep = std::string(100000, '{') + "lost" + std::string(100000, '}');
  ExpectTexts({
      {"100,000 nested groups", "{\\rtf1 a" + deep + "b}", "ab"},
      {"nested groups never closed", "{\\rtf1 a" + std::string(100000, '{') + "b", "a"},
      {"binary data longer than the input", R"({\rtf1 a\bin2147483647 bcd})", "a"},
      {"unbalanced closing braces", R"(}}{\rtf1 a}})", "a"},
      {"unbalanced opening braces", R"({\rtf1 a{{{b)", "ab"},
      {"truncated in a word", R"({\rtf1 a\par b\pa)", "a\nb"},
      {"truncated in a hex byte", R"({\rtf1 a\'e)", "a"},
      {"truncated after a backslash", R"({\rtf1 a\)", "a"},
      {"truncated in the font table", R"({\rtf1{\fonttbl{\f0 Ari)", ""},
      {"truncated in a picture", R"({\rtf1 a{\pict 0102)", "a"},
      {"huge unicode", R"({\rtf1 \u99999999999999999999?x})", "\uFFFDx"},
      {"huge skip count", R"({\rtf1 \uc2147483647\u1046 xyz}b)", "Ж"},
  });
  struct NumberCase {
    const char* word;
    int value;
  };
  const NumberCase numbers[] = {
      {"\\li2147483647", INT_MAX},
      {"\\li2147483648", INT_MAX},
      {"\\li99999999999999999999", INT_MAX},
      {"\\li-2147483648", INT_MIN},
      {"\\li-99999999999999999999", INT_MIN},
  };
  for (const NumberCase& c : numbers) {
    const RichDocument document = RtfReader().Read(std::string("{\\rtf1 ") + c.word + " x}");
    EXPECT_EQ(document.paragraphs.at(0).format.leftIndent, c.value) << c.word;
  }
}

}  // namespace
}  // namespace vorla

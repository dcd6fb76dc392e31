#include <gtest/gtest.h>

#include <string>

#include "RichDocumentPrinting.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla {
namespace {

// Three paragraphs with a tab, a line break, a picture and characters beyond Windows-1252.
constexpr std::string_view kRtf =
    R"({\rtf1\ansi Yksi.\par Kaksi\tab kolme\line nelj\'e4.\par{\pict 00}Viisi \u1046?{\b !}})";

TEST(PlainText, PaneTextCountsOneCharacterForEachBreak) {
  const RichDocument document = RtfReader().Read(kRtf);
  const std::string ansi = PaneText(document, StreamEncoding::Windows1252);
  EXPECT_EQ(ansi, "Yksi.\nKaksi\tkolme\vnelj\xe4.\n?Viisi ?!");
  // Offsets as the service counts them in the pane: one character for each break and one
  // for the picture.
  EXPECT_EQ(ansi.find("Kaksi"), 6u);
  EXPECT_EQ(ansi.find("nelj"), 18u);
  EXPECT_EQ(ansi.find("Viisi"), 26u);
  EXPECT_EQ(PaneText(document, StreamEncoding::Utf8),
            "Yksi.\nKaksi\tkolme\vneljä.\n\uFFFCViisi Ж!");
}

TEST(PlainText, FileTextEndsEachParagraphWithCrLf) {
  const RichDocument document = RtfReader().Read(kRtf);
  EXPECT_EQ(FileText(document, StreamEncoding::Windows1252),
            "Yksi.\r\nKaksi\tkolme\r\nnelj\xe4.\r\nViisi ?!");
  EXPECT_EQ(FileText(document, StreamEncoding::Utf8),
            "Yksi.\r\nKaksi\tkolme\r\nneljä.\r\nViisi Ж!");
  const RichDocument endsWithMark = RtfReader().Read(R"({\rtf1 a\par b\par})");
  EXPECT_EQ(FileText(endsWithMark, StreamEncoding::Utf8), "a\r\nb\r\n");
}

TEST(PlainText, TextBecomesParagraphsWithoutFormatting) {
  const struct {
    std::string text;
    StreamEncoding encoding;
    std::vector<std::string> paragraphs;
  } cases[] = {
      {"", StreamEncoding::Utf8, {""}},
      {"a\r\nb", StreamEncoding::Utf8, {"a", "b"}},
      {"a\rb\nc\r\n", StreamEncoding::Utf8, {"a", "b", "c", ""}},
      {"a\n\nb", StreamEncoding::Utf8, {"a", "", "b"}},
      {"t\tab\vline", StreamEncoding::Utf8, {"t\tab\vline"}},
      {"no\x01\x0c controls", StreamEncoding::Utf8, {"no controls"}},
      {"\xe4\x80", StreamEncoding::Windows1252, {"ä€"}},
      {"Жa\xff", StreamEncoding::Utf8, {"Жa\uFFFD"}},
  };
  for (const auto& c : cases) {
    const RichDocument document = DocumentFromPlainText(c.text, c.encoding);
    std::vector<std::string> paragraphs;
    for (const Paragraph& paragraph : document.paragraphs) {
      EXPECT_EQ(paragraph.format, ParagraphFormat{});
      std::string text;
      for (const InlineItem& item : paragraph.items) {
        const TextRun& run = std::get<TextRun>(item);
        EXPECT_EQ(run.format, CharacterFormat{});
        text += run.text;
      }
      paragraphs.push_back(text);
    }
    EXPECT_EQ(paragraphs, c.paragraphs) << c.text;
  }
}

TEST(PlainText, RemovingFormattingTwiceChangesNothingMore) {
  // "Remove all text formatting" streams a pane out as UTF-8 text and sets that text back.
  const RichDocument formatted = RtfReader().Read(kRtf);
  const RichDocument once =
      DocumentFromPlainText(FileText(formatted, StreamEncoding::Utf8), StreamEncoding::Utf8);
  const RichDocument twice =
      DocumentFromPlainText(FileText(once, StreamEncoding::Utf8), StreamEncoding::Utf8);
  EXPECT_EQ(twice, once);
  EXPECT_EQ(PaneText(once, StreamEncoding::Utf8), "Yksi.\nKaksi\tkolme\nneljä.\nViisi Ж!");
}

}  // namespace
}  // namespace vorla

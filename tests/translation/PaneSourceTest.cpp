#include <gtest/gtest.h>

#include "JobDisplayFakes.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "translation/DocumentFormat.h"
#include "translation/PaneSource.h"

namespace vorla {
namespace {

RichDocument Plain(std::string_view text) {
  return DocumentFromPlainText(text, StreamEncoding::Utf8);
}

TEST(PaneSource, PlainTextIsStreamedInTheJobsEncoding) {
  test::FakeSourcePane pane;
  pane.content = Plain("Hyvää päivää\nmaailma");
  const PaneSource cp1252 = TakePaneSource(pane, kFormatTxt, StreamEncoding::Windows1252, false);
  EXPECT_EQ(cp1252.bytes, "Hyv\xE4\xE4 p\xE4iv\xE4\xE4\r\nmaailma");
  EXPECT_EQ(cp1252.format, kFormatTxt);
  EXPECT_FALSE(cp1252.selection);
  const PaneSource utf8 = TakePaneSource(pane, kFormatTxt, StreamEncoding::Utf8, false);
  EXPECT_EQ(utf8.bytes, "Hyvää päivää\r\nmaailma");
}

TEST(PaneSource, PicturesAreNeverSentAndLinksLoseTheirFormatting) {
  test::FakeSourcePane pane;
  Paragraph paragraph;
  paragraph.AppendText({}, "See ");
  paragraph.items.emplace_back(EmbeddedObject{ObjectKind::Picture, "{\\pict\\pngblip 89504e47}"});
  CharacterFormat link;
  link.linkTarget = "https://example.com/";
  paragraph.AppendText(link, "the page");
  pane.content.paragraphs.push_back(paragraph);

  const PaneSource source = TakePaneSource(pane, kFormatRtf, StreamEncoding::Windows1252, false);
  EXPECT_EQ(source.format, kFormatRtf);
  EXPECT_EQ(source.bytes.find("\\pict"), std::string::npos);
  EXPECT_EQ(source.bytes.find("\\field"), std::string::npos);
  EXPECT_NE(source.bytes.find("the page"), std::string::npos);
  EXPECT_EQ(pane.objectsRemoved, 1);
  EXPECT_EQ(pane.linksRemoved, 1);
  const RichDocument sent = RtfReader().Read(source.bytes);
  EXPECT_EQ(PaneText(sent, StreamEncoding::Utf8), "See the page");
}

TEST(PaneSource, ControlWordsWrittenAsTextAreOnlyText) {
  test::FakeSourcePane pane;
  pane.content = Plain("write {\\pict\\field} to embed");
  const PaneSource source = TakePaneSource(pane, kFormatRtf, StreamEncoding::Windows1252, false);
  EXPECT_EQ(pane.objectsRemoved, 0);
  EXPECT_EQ(pane.linksRemoved, 0);
  EXPECT_EQ(PaneText(RtfReader().Read(source.bytes), StreamEncoding::Utf8),
            "write {\\pict\\field} to embed");
}

TEST(PaneSource, SingleWordBecomesADictionaryLookup) {
  struct Case {
    const char* text;
    bool lookup;
    bool dictionaryLookup;
  };
  for (const Case c : {Case{"  house\n", true, true}, Case{"two words", true, false},
                       Case{"house", false, false}}) {
    SCOPED_TRACE(c.text);
    test::FakeSourcePane pane;
    pane.content = Plain(c.text);
    const PaneSource source =
        TakePaneSource(pane, kFormatRtf, StreamEncoding::Windows1252, c.lookup);
    EXPECT_EQ(source.dictionaryLookup, c.dictionaryLookup);
    EXPECT_EQ(source.format, c.dictionaryLookup ? kFormatTxt : kFormatRtf);
    if (c.dictionaryLookup) {
      EXPECT_EQ(source.bytes, PaneText(pane.content, StreamEncoding::Windows1252));
    }
  }
}

TEST(PaneSource, SelectionOnlyWhenThePaneSaysSo) {
  test::FakeSourcePane pane;
  pane.content = Plain("The whole text.");
  EXPECT_EQ(TakePaneSource(pane, kFormatTxt, StreamEncoding::Windows1252, false).bytes,
            "The whole text.");
  pane.selection = Plain("whole text");
  const PaneSource source = TakePaneSource(pane, kFormatTxt, StreamEncoding::Windows1252, false);
  EXPECT_TRUE(source.selection);
  EXPECT_EQ(source.bytes, "whole text");
}

TEST(PaneSource, ClipboardWordInTextOrRtf) {
  EXPECT_EQ(ClipboardLookupWord("house", kFormatTxt), "house");
  EXPECT_EQ(ClipboardLookupWord("{\\rtf1\\ansi {\\b talo}}", kFormatRtf), "talo");
  EXPECT_EQ(ClipboardLookupWord("{\\rtf1\\ansi two words}", kFormatRtf), std::nullopt);
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "PaneFixtures.h"
#include "common/CodePages.h"
#include "config/MemorySettingsStore.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "ui/panes/PaneFont.h"
#include "ui/panes/TextPane.h"

namespace vorla {
namespace {

using test::Para;
using test::RunOf;

std::string WholeText(const TextPane& pane) {
  return PaneText(pane.GetRichDocument(PaneRange::Whole), StreamEncoding::Utf8);
}

CharacterFormat Bold() {
  CharacterFormat format;
  format.bold = true;
  return format;
}

TEST(TextPane, RtfComesInInTheJobsCodePage) {
  const struct {
    std::string rtf;
    int codePage;
    std::string text;
  } cases[] = {
      {R"({\rtf1\ansi\ansicpg1252 p\'e4iv\'e4 \u1046?})", kCodePageWindows1252, "päivä Ж"},
      {R"({\rtf1\ansi\ansicpg1252 p\'e4iv\'e4 \u1046?})", kCodePageUtf8, "päivä Ж"},
      {"{\\rtf1\\ansi p\xe4iv\xe4}", kCodePageWindows1252, "päivä"},
      {"{\\rtf1\\ansi\\ansicpg65001 p\xc3\xa4iv\xc3\xa4 \xd0\x96}", kCodePageUtf8, "päivä Ж"},
      {"{\\rtf1\\ansi p\xc3\xa4iv\xc3\xa4}", kCodePageWindows1252, "pÃ¤ivÃ¤"},
  };
  for (const auto& c : cases) {
    TextPane pane;
    pane.StreamInRtf(c.rtf, c.codePage);
    EXPECT_EQ(WholeText(pane), c.text) << c.rtf;
  }
}

TEST(TextPane, RtfGoesOutInEitherFormAndComesBackTheSame) {
  TextPane pane;
  pane.SetRichDocument({{Para({RunOf("Hyvää ", Bold()), RunOf("päivää Ж")})}});
  const std::string ansi = pane.StreamOutRtf(kCodePageWindows1252, PaneRange::Whole, true);
  EXPECT_NE(ansi.find(R"(\ansicpg1252)"), std::string::npos);
  EXPECT_NE(ansi.find(R"(Hyv\'e4\'e4)"), std::string::npos) << ansi;
  EXPECT_NE(ansi.find(R"(\u1046\'3f)"), std::string::npos) << ansi;
  const std::string utf8 = pane.StreamOutRtf(kCodePageUtf8, PaneRange::Whole, true);
  EXPECT_NE(utf8.find(R"(\ansicpg65001)"), std::string::npos);
  EXPECT_NE(utf8.find("Hyvää"), std::string::npos) << utf8;
  // Unicode (UTF-16) has no RTF form of its own: RTF stays in the Windows-1252 form.
  EXPECT_EQ(pane.StreamOutRtf(kCodePageUtf16Le, PaneRange::Whole, true), ansi);

  const RichDocument before = pane.GetRichDocument(PaneRange::Whole);
  for (const auto& [rtf, codePage] :
       {std::pair{ansi, kCodePageWindows1252}, std::pair{utf8, kCodePageUtf8}}) {
    TextPane copy;
    copy.StreamInRtf(rtf, codePage);
    EXPECT_EQ(copy.GetRichDocument(PaneRange::Whole), before) << rtf;
  }
}

TEST(TextPane, RtfWithoutObjectsKeepsTheFormattingOnly) {
  const EmbeddedObject picture{ObjectKind::Picture, test::PngPictureRtf()};
  const EmbeddedObject object{ObjectKind::Object, R"({\object\objemb{\*\objdata 0102}})"};
  TextPane pane;
  pane.SetRichDocument({{Para({RunOf("a", Bold()), picture, RunOf("b"), object})}});

  const std::string without = pane.StreamOutRtf(kCodePageWindows1252, PaneRange::Whole, false);
  EXPECT_EQ(without.find("\\pict"), std::string::npos) << without;
  EXPECT_EQ(without.find("\\object"), std::string::npos) << without;
  EXPECT_EQ(RtfReader().Read(without), (RichDocument{{Para({RunOf("a", Bold()), RunOf("b")})}}));

  const std::string with = pane.StreamOutRtf(kCodePageWindows1252, PaneRange::Whole, true);
  EXPECT_NE(with.find(test::PngPictureRtf()), std::string::npos) << with;
  EXPECT_NE(with.find(object.rtf), std::string::npos) << with;
  TextPane copy;
  copy.StreamInRtf(with, kCodePageWindows1252);
  EXPECT_EQ(copy.GetRichDocument(PaneRange::Whole), pane.GetRichDocument(PaneRange::Whole));
}

TEST(TextPane, TextInAndOutInACodePage) {
  const struct {
    std::string in;
    int codePage;
    std::string shown;
    std::string out;
  } cases[] = {
      {"p\xe4iv\xe4\r\nx\ry\nz", kCodePageWindows1252, "päivä\nx\ny\nz",
       "p\xe4iv\xe4\r\nx\r\ny\r\nz"},
      {"p\xc3\xa4iv\xc3\xa4 \xd0\x96", kCodePageUtf8, "päivä Ж", "p\xc3\xa4iv\xc3\xa4 \xd0\x96"},
      {std::string("a\0\xe4\0\r\0\n\0\x16\x04", 10), kCodePageUtf16Le, "aä\nЖ",
       std::string("a\0\xe4\0\r\0\n\0\x16\x04", 10)},
      // No code page reads as Windows-1252.
      {"p\xe4iv\xe4", 0, "päivä", "p\xe4iv\xe4"},
  };
  for (const auto& c : cases) {
    TextPane pane;
    pane.SetText(c.in, c.codePage);
    EXPECT_EQ(WholeText(pane), c.shown);
    EXPECT_EQ(pane.StreamOutText(c.codePage, PaneRange::Whole), c.out);
  }
  TextPane pane;
  pane.SetText("päivä Ж", kCodePageUtf8);
  EXPECT_EQ(pane.StreamOutText(kCodePageWindows1252, PaneRange::Whole), "p\xe4iv\xe4 ?");
  pane.SelectRange(1, 4);
  EXPECT_EQ(pane.StreamOutText(kCodePageWindows1252, PaneRange::Selection), "\xe4iv");
  EXPECT_EQ(pane.StreamOutRtf(kCodePageWindows1252, PaneRange::Selection, true),
            R"({\rtf1\ansi\ansicpg1252\uc1)"
            "\r\n"
            R"(\pard {\'e4iv}})");
}

TEST(TextPane, RemovingFormattingLeavesPlainParagraphs) {
  CharacterFormat link;
  link.linkTarget = "https://a.example/";
  link.underline = true;
  TextPane pane;
  pane.SetRichDocument({{Para({RunOf("Yksi", Bold()), RunOf(" kaksi\vkolme", link),
                               EmbeddedObject{ObjectKind::Picture, test::PngPictureRtf()}},
                              {ParagraphAlignment::Center, 720}),
                         Para({RunOf("neljä\t.")})}});
  QSignalSpy changed(&pane, &TextPane::ContentChanged);
  pane.RemoveFormatting();
  EXPECT_FALSE(changed.isEmpty());
  EXPECT_EQ(pane.GetRichDocument(PaneRange::Whole),
            (RichDocument{
                {Para({RunOf("Yksi kaksi")}), Para({RunOf("kolme")}), Para({RunOf("neljä\t.")})}}));
}

TEST(TextPane, TextLimitCutsWhatComesIn) {
  TextPane pane;
  pane.SetTextLimit(10);
  pane.SetText("0123\r\n5678ABC", kCodePageWindows1252);
  EXPECT_EQ(WholeText(pane), "0123\n5678A");

  pane.SetText("0123", kCodePageWindows1252);
  pane.moveCursor(QTextCursor::End);
  auto* mime = new QMimeData;
  mime->setText("45678ABC");
  QApplication::clipboard()->setMimeData(mime);
  pane.paste();
  EXPECT_EQ(WholeText(pane), "012345678A");
  // Pasted RTF is cut as it is read, within the room the selection leaves.
  pane.SelectRange(2, 10);
  auto* rtf = new QMimeData;
  rtf->setData("text/rtf", R"({\rtf1 4567{\b 89\par ABC}})");
  QApplication::clipboard()->setMimeData(rtf);
  pane.paste();
  EXPECT_EQ(WholeText(pane), "01456789\nA");
  pane.SetText("012345678A", kCodePageWindows1252);
  pane.moveCursor(QTextCursor::End);
  QTest::keyClicks(&pane, "xyz");
  EXPECT_EQ(WholeText(pane), "012345678A");
  // Replacing a selection makes room.
  pane.SelectRange(0, 2);
  QTest::keyClicks(&pane, "xyz");
  EXPECT_EQ(WholeText(pane), "xy2345678A");
}

TEST(TextPane, PasteTakesRtfAndCopyGivesIt) {
  TextPane source;
  source.SetRichDocument({{Para({RunOf("ab", Bold()), RunOf("cd")})}});
  source.SelectRange(1, 3);
  source.copy();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_TRUE(copied->hasFormat("text/rtf"));
  EXPECT_EQ(RtfReader().Read(copied->data("text/rtf").toStdString()),
            (RichDocument{{Para({RunOf("b", Bold()), RunOf("c")})}}));

  TextPane target;
  target.SetText("xy", kCodePageWindows1252);
  target.SelectRange(1, 1);
  target.paste();
  EXPECT_EQ(target.GetRichDocument(PaneRange::Whole),
            (RichDocument{{Para({RunOf("x"), RunOf("b", Bold()), RunOf("cy")})}}));
}

TEST(TextPane, DictionaryEntryInThePanesFont) {
  TextPane pane;
  pane.SetPaneFont(QFont("DejaVu Serif", 12));
  EXPECT_FALSE(pane.ShowDictionaryEntry("koira", UiLanguage::English));
  ASSERT_TRUE(
      pane.ShowDictionaryEntry("#DICT;\n1. koira, hurtta (Noun,PL)\n", UiLanguage::Finnish));
  CharacterFormat words;
  words.fontFamily = "DejaVu Serif";
  words.fontSizeHalfPoints = 24;
  CharacterFormat attributes = words;
  attributes.italic = true;
  attributes.color = RgbColor{90, 90, 90};
  EXPECT_EQ(
      pane.GetRichDocument(PaneRange::Whole),
      (RichDocument{{Para({RunOf("koira, hurtta", words), RunOf(" (subst, mon)", attributes)}),
                     Para({}, {}), Para({})}}));
}

TEST(TextPane, ContentChangedOnlyWhenTheTextChanges) {
  TextPane pane;
  pane.resize(300, 200);
  pane.show();
  pane.SetText("one two three\nfour", kCodePageWindows1252);
  QSignalSpy changed(&pane, &TextPane::ContentChanged);
  pane.SelectRange(0, 3);
  pane.resize(200, 100);
  pane.ScrollToFirstVisibleLine(1);
  EXPECT_TRUE(changed.isEmpty());
  QTest::keyClicks(&pane, "x");
  EXPECT_EQ(changed.size(), 1);
  pane.StreamInRtf(R"({\rtf1 new})", kCodePageWindows1252);
  EXPECT_GT(changed.size(), 1);
}

TEST(TextPane, LinesCountWrappedParagraphs) {
  TextPane pane;
  pane.SetPaneFont(QFont("DejaVu Sans", 10));
  pane.resize(200, 120);
  pane.show();
  std::string text;
  for (int i = 0; i < 40; ++i)
    text += "line " + std::to_string(i) + "\r\n";
  text += std::string(200, 'w') + " " + std::string(200, 'v');  // wraps
  pane.SetText(text, kCodePageWindows1252);

  EXPECT_EQ(pane.FirstVisibleLine(), 0);
  EXPECT_EQ(pane.LineFromPosition(0), 0);
  const int line7 = static_cast<int>(text.find("line 7"));  // one byte per position
  EXPECT_EQ(pane.LineFromPosition(line7 - 7), 7);           // "\r\n" counts one position
  EXPECT_EQ(pane.LinePosition(7), line7 - 7);
  const int wrapped = pane.LineFromPosition(pane.CharacterCount());
  EXPECT_GT(wrapped, 41);  // the long paragraph takes several lines

  pane.ScrollToFirstVisibleLine(12);
  EXPECT_EQ(pane.FirstVisibleLine(), 12);
  pane.ScrollLineToOffset(20, 3);
  EXPECT_EQ(pane.FirstVisibleLine(), 17);
  pane.ScrollToFirstVisibleLine(-5);
  EXPECT_EQ(pane.FirstVisibleLine(), 0);
}

TEST(TextPane, FontFromTheSettings) {
  const struct {
    std::optional<std::string> name;
    std::optional<std::string> size;
    QString family;
    int points;
  } cases[] = {
      {std::nullopt, std::nullopt, "Calibri", 11},
      {"DejaVu Serif", "14pt", "DejaVu Serif", 14},
      {"Fontt\xe4", "0", "Fonttä", 11},
      {"", "x", "", 11},
  };
  for (const auto& c : cases) {
    auto store = std::make_shared<MemorySettingsStore>();
    Settings settings(store);
    if (c.name) settings.WriteString("TextEditFontName", *c.name);
    if (c.size) settings.WriteString("TextEditFontSize", *c.size);
    const QFont font = ReadPaneFont(settings);
    EXPECT_EQ(font.family(), c.family);
    EXPECT_EQ(font.pointSize(), c.points);
  }
}

}  // namespace
}  // namespace vorla

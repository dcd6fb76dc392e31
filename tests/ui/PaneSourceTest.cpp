#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "PaneFixtures.h"
#include "common/CodePages.h"
#include "documents/rtf/RtfReader.h"
#include "ui/panes/PaneSource.h"

namespace vorla {
namespace {

using test::Para;
using test::RunOf;

TEST(PaneSource, SelectionCountsWhenFocusedAndNotOnlyBlanks) {
  const std::string blanks(300, ' ');
  const struct {
    const char* what;
    std::string text;
    PaneSpan selection;
    bool focused;
    bool counts;
  } cases[] = {
      {"words", "Hello world", {0, 5}, true, true},
      {"not focused", "Hello world", {0, 5}, false, false},
      {"empty", "Hello world", {3, 3}, true, false},
      {"blanks and breaks", "a \t\r\n b", {1, 5}, true, false},
      {"199 blanks", "x" + blanks, {1, 200}, true, false},
      {"200 blanks", "x" + blanks, {1, 201}, true, true},
      {"no-break space", "a \xa0 b", {1, 4}, true, true},
  };
  QWidget other;
  TextPane pane(&other);
  other.show();
  QApplication::setActiveWindow(&other);
  for (const auto& c : cases) {
    pane.SetText(c.text, kCodePageWindows1252);
    pane.SelectRange(c.selection.start, c.selection.end);
    if (c.focused) {
      pane.setFocus();
    } else {
      pane.clearFocus();
    }
    ASSERT_EQ(pane.hasFocus(), c.focused) << c.what;
    EXPECT_EQ(SelectionIsSource(pane), c.counts) << c.what;
  }
}

TEST(PaneSource, RtfSentHasNoPicturesAndNoLinks) {
  CharacterFormat link;
  link.linkTarget = "https://a.example/";
  link.underline = true;
  CharacterFormat underline;
  underline.underline = true;
  const EmbeddedObject picture{ObjectKind::Picture, test::PngPictureRtf()};

  TextPane pane;
  pane.resize(200, 80);
  pane.show();
  std::vector<Paragraph> paragraphs(30, Para({RunOf("line")}));
  paragraphs.push_back(Para({RunOf("see "), RunOf("here", link), picture}));
  pane.SetRichDocument({paragraphs});
  pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum() / 2);
  const int scrolled = pane.verticalScrollBar()->value();

  const std::string rtf = TakeSourceRtf(pane, kCodePageWindows1252, PaneRange::Whole);
  EXPECT_EQ(rtf.find("\\field"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.find("\\pict"), std::string::npos) << rtf;
  EXPECT_EQ(RtfReader().Read(rtf).paragraphs.back(),
            Para({RunOf("see "), RunOf("here", underline)}));
  // The pane keeps its picture and loses its link.
  paragraphs.back() = Para({RunOf("see "), RunOf("here", underline), picture});
  EXPECT_EQ(pane.GetRichDocument(PaneRange::Whole), RichDocument{paragraphs});
  EXPECT_EQ(pane.verticalScrollBar()->value(), scrolled);

  // Without links the pane is left as it is.
  QSignalSpy changed(&pane, &TextPane::ContentChanged);
  EXPECT_EQ(TakeSourceRtf(pane, kCodePageWindows1252, PaneRange::Whole), rtf);
  EXPECT_TRUE(changed.isEmpty());
}

TEST(PaneSource, LinksGoFromTheWholePaneWhenTheSelectionHasOne) {
  CharacterFormat link;
  link.linkTarget = "https://a.example/";
  TextPane pane;
  pane.SetRichDocument({{Para({RunOf("a", link), RunOf(" b ")}), Para({RunOf("c", link)})}});
  pane.SelectRange(2, 3);
  EXPECT_EQ(RtfReader().Read(TakeSourceRtf(pane, kCodePageUtf8, PaneRange::Selection)),
            (RichDocument{{Para({RunOf("b")})}}));
  EXPECT_EQ(pane.GetRichDocument(PaneRange::Whole).paragraphs[1], Para({RunOf("c", link)}));
  pane.SelectRange(4, 6);
  EXPECT_EQ(RtfReader().Read(TakeSourceRtf(pane, kCodePageUtf8, PaneRange::Selection)),
            (RichDocument{{Para({}), Para({RunOf("c")})}}));
  EXPECT_EQ(pane.GetRichDocument(PaneRange::Whole),
            (RichDocument{{Para({RunOf("a b ")}), Para({RunOf("c")})}}));
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include "PaneFixtures.h"
#include "ui/panes/SelectionFont.h"

namespace vorla {
namespace {

using test::Para;
using test::RunOf;

CharacterFormat Format(std::string family, int halfPoints, bool bold,
                       std::optional<RgbColor> color) {
  CharacterFormat format;
  format.fontFamily = std::move(family);
  format.fontSizeHalfPoints = halfPoints;
  format.bold = bold;
  format.color = color;
  return format;
}

class SelectionFontTest : public testing::Test {
 protected:
  SelectionFontTest() {
    pane_.SetPaneFont(QFont("DejaVu Sans", 11));
    CharacterFormat styled = Format("DejaVu Serif", 28, true, RgbColor{200, 0, 0});
    styled.italic = true;
    styled.underline = true;
    styled.strikeOut = true;
    pane_.SetRichDocument(
        {{Para({RunOf("plain "), RunOf("styled", styled),
                EmbeddedObject{ObjectKind::Picture, test::PngPictureRtf()},
                RunOf(" more", Format("DejaVu Serif", 28, false, RgbColor{0, 0, 200}))})}});
  }

  TextPane pane_;
};

TEST_F(SelectionFontTest, PresetFromASelectionOfOneFormat) {
  pane_.SelectRange(6, 13);  // "styled" and the picture
  const SelectionFont preset = SelectionFontPreset(pane_);
  EXPECT_EQ(preset.font.family(), "DejaVu Serif");
  EXPECT_EQ(preset.font.pointSizeF(), 14.0);
  EXPECT_TRUE(preset.font.bold());
  EXPECT_TRUE(preset.font.italic());
  EXPECT_TRUE(preset.font.underline());
  EXPECT_TRUE(preset.font.strikeOut());
  EXPECT_EQ(preset.color, QColor(200, 0, 0));
}

TEST_F(SelectionFontTest, MixedOrPaneFormattedSelectionTakesThePanesFontAndBlack) {
  const struct {
    PaneSpan selection;
    QString family;
    qreal size;
    bool bold;
    QColor color;
  } cases[] = {
      {{0, 8}, "DejaVu Sans", 11, false, Qt::black},    // plain and styled
      {{7, 16}, "DejaVu Serif", 14, false, Qt::black},  // styled and " more"
      {{2, 2}, "DejaVu Sans", 11, false, Qt::black},    // the caret in plain text
      {{1, 4}, "DejaVu Sans", 11, false, Qt::black},    // the pane's font and colour
  };
  for (const auto& c : cases) {
    pane_.SelectRange(c.selection.start, c.selection.end);
    const SelectionFont preset = SelectionFontPreset(pane_);
    EXPECT_EQ(preset.font.family(), c.family) << c.selection.start;
    EXPECT_EQ(preset.font.pointSizeF(), c.size) << c.selection.start;
    EXPECT_EQ(preset.font.bold(), c.bold) << c.selection.start;
    EXPECT_FALSE(preset.font.italic()) << c.selection.start;
    EXPECT_EQ(preset.color, c.color) << c.selection.start;
  }
}

TEST_F(SelectionFontTest, ChosenFontGoesToTheSelectionWithinEightTo72Points) {
  QFont chosen("DejaVu Sans Mono", 100);
  chosen.setBold(true);
  pane_.SelectRange(0, 5);
  ApplySelectionFont(pane_, chosen, QColor(0, 128, 0));
  chosen.setPointSize(4);
  chosen.setBold(false);
  chosen.setItalic(true);
  pane_.SelectRange(14, 18);
  ApplySelectionFont(pane_, chosen, std::nullopt);

  CharacterFormat large = Format("DejaVu Sans Mono", 144, true, RgbColor{0, 128, 0});
  CharacterFormat small = Format("DejaVu Sans Mono", 16, false, RgbColor{0, 0, 200});
  small.italic = true;
  const RichDocument document = pane_.GetRichDocument(PaneRange::Whole);
  ASSERT_EQ(document.paragraphs.size(), 1u);
  const auto& items = document.paragraphs[0].items;
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(std::get<TextRun>(items[0]), RunOf("plain", large));
  EXPECT_EQ(std::get<TextRun>(items[1]), RunOf(" "));
  EXPECT_EQ(std::get<TextRun>(items[4]),
            RunOf(" ", Format("DejaVu Serif", 28, false, RgbColor{0, 0, 200})));
  EXPECT_EQ(std::get<TextRun>(items[5]), RunOf("more", small));
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <QTest>
#include <QTextCursor>
#include <memory>

#include "RecordingMessageBox.h"
#include "common/CodePages.h"
#include "config/ConfigFixture.h"
#include "ui/panes/SentenceAlignmentDisplay.h"

namespace vorla {
namespace {

constexpr int kSentences = 30;

// Thirty sentences a line in the source pane and every other line in the translation pane,
// aligned one to one.
class SentenceAlignmentDisplayTest : public testing::Test {
 protected:
  SentenceAlignmentDisplayTest() {
    std::string source;
    std::string target;
    std::vector<AlignmentRecord> records;
    for (int i = 0; i < kSentences; ++i) {
      const std::string sentence = "Sentence " + std::to_string(i) + " is here.";
      const std::string translation = "Lause " + std::to_string(i) + " on t\xe4ss\xe4.";
      records.push_back({Position(source), Position(source) + Length(sentence), Position(target),
                         Position(target) + Length(translation)});
      source += sentence + "\n";
      target += translation + "\n\n";
    }
    records_ = records;
    for (TextPane* pane : {&source_, &target_}) {
      pane->SetPaneFont(QFont("DejaVu Sans", 10));
      pane->resize(300, 100);
      pane->show();
    }
    source_.SetText(source, kCodePageWindows1252);
    target_.SetText(target, kCodePageWindows1252);
    config_->SetMessageBox(messages_);
    config_->SetUiLanguage(UiLanguage::English);
  }

  static int Position(const std::string& text) { return static_cast<int>(text.size()); }
  static int Length(const std::string& text) { return static_cast<int>(text.size()); }

  static void PlaceCaret(TextPane& pane, int position) {
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(position);
    pane.setTextCursor(cursor);
  }

  AlignmentRecord Record(int i) const { return records_[static_cast<std::size_t>(i)]; }

  TextPane source_;
  TextPane target_;
  RefPtr<Config> config_ = test::MakeHomeConfig();
  std::shared_ptr<test::RecordingMessageBox> messages_ =
      std::make_shared<test::RecordingMessageBox>();
  SentenceAlignmentDisplay display_{source_, target_, config_};
  std::vector<AlignmentRecord> records_;
};

TEST_F(SentenceAlignmentDisplayTest, CaretSelectsThePairOnTheSameLineOffset) {
  display_.SetAlignment(SentenceAlignment(records_));
  display_.SetShowOnCaret(true);
  ASSERT_TRUE(display_.IsAvailable());

  source_.ScrollToFirstVisibleLine(5);
  PlaceCaret(source_, Record(7).sourceStart + 3);
  EXPECT_EQ(source_.Selection(), (PaneSpan{Record(7).sourceStart, Record(7).sourceEnd}));
  EXPECT_EQ(target_.Selection(), (PaneSpan{Record(7).targetStart, Record(7).targetEnd}));
  EXPECT_EQ(source_.FirstVisibleLine(), 5);
  EXPECT_EQ(target_.FirstVisibleLine(), 14 - 2);  // sentence 7 is on line 14, two down

  target_.ScrollToFirstVisibleLine(39);
  PlaceCaret(target_, Record(20).targetEnd);
  EXPECT_EQ(target_.Selection(), (PaneSpan{Record(20).targetStart, Record(20).targetEnd}));
  EXPECT_EQ(source_.Selection(), (PaneSpan{Record(20).sourceStart, Record(20).sourceEnd}));
  EXPECT_EQ(target_.FirstVisibleLine(), 39);
  EXPECT_EQ(source_.FirstVisibleLine(), 20 - 1);
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(SentenceAlignmentDisplayTest, CaretShowsNothingUnlessAskedOrWholeSentences) {
  display_.SetAlignment(SentenceAlignment(records_));
  PlaceCaret(source_, Record(3).sourceStart);
  EXPECT_EQ(target_.Selection().Length(), 0);

  // The command shows the pair at the caret even while the caret alone does not.
  EXPECT_TRUE(display_.ShowAtCaret(AlignmentSide::Source));
  EXPECT_EQ(target_.Selection(), (PaneSpan{Record(3).targetStart, Record(3).targetEnd}));

  // A translation range that starts inside a word is no sentence to show.
  std::vector<AlignmentRecord> cut = records_;
  cut[4].targetStart += 2;
  display_.SetAlignment(SentenceAlignment(cut));
  PlaceCaret(target_, 0);
  display_.SetShowOnCaret(true);
  PlaceCaret(source_, Record(4).sourceStart + 1);
  EXPECT_EQ(source_.Selection().Length(), 0);
  EXPECT_EQ(target_.Selection().Length(), 0);
  EXPECT_FALSE(display_.ShowAtCaret(AlignmentSide::Source));
}

TEST_F(SentenceAlignmentDisplayTest, ChangedTextMakesTheAlignmentStale) {
  display_.SetAlignment(SentenceAlignment(records_));
  display_.SetShowOnCaret(true);
  PlaceCaret(target_, 3);
  QTest::keyClicks(&target_, "x");
  EXPECT_FALSE(display_.IsAvailable());
  EXPECT_TRUE(display_.IsStale());
  PlaceCaret(source_, Record(2).sourceStart);
  EXPECT_EQ(target_.Selection().Length(), 0);
  EXPECT_TRUE(messages_->shown.empty());

  EXPECT_FALSE(display_.ShowAtCaret(AlignmentSide::Source));
  config_->SetUiLanguage(UiLanguage::Finnish);
  EXPECT_FALSE(display_.ShowAtCaret(AlignmentSide::Target));
  ASSERT_EQ(messages_->shown.size(), 2u);
  EXPECT_EQ(messages_->shown[0].text,
            "Sentence alignment cannot be shown because the window content has changed.");
  EXPECT_EQ(messages_->shown[1].text,
            "Virkekohdistusta ei voida näyttää, koska ikkunoiden sisältö on muuttunut.");
  EXPECT_EQ(messages_->shown[0].icon, MessageIcon::Information);

  // The next translation brings a fresh table.
  display_.SetAlignment(SentenceAlignment(records_));
  EXPECT_TRUE(display_.IsAvailable());
  EXPECT_FALSE(display_.IsStale());
}

TEST_F(SentenceAlignmentDisplayTest, SingleSentenceIsNoAlignment) {
  display_.SetAlignment(SentenceAlignment({Record(0)}));
  EXPECT_FALSE(display_.IsAvailable());
  QTest::keyClicks(&source_, "x");
  EXPECT_FALSE(display_.IsStale());
  EXPECT_FALSE(display_.ShowAtCaret(AlignmentSide::Source));
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(SentenceAlignmentDisplayTest, SynchronisedScrollingFollowsTheAlignment) {
  display_.SetAlignment(SentenceAlignment(records_));
  source_.ScrollToFirstVisibleLine(4);
  EXPECT_EQ(target_.FirstVisibleLine(), 0);

  display_.SetSynchronisedScrolling(true);
  source_.ScrollToFirstVisibleLine(10);
  EXPECT_EQ(target_.FirstVisibleLine(), 20);
  target_.ScrollToFirstVisibleLine(30);
  EXPECT_EQ(source_.FirstVisibleLine(), 15);
  // The empty line between two translations lies in no sentence.
  target_.ScrollToFirstVisibleLine(33);
  EXPECT_EQ(source_.FirstVisibleLine(), 15);

  QTest::keyClicks(&source_, "x");
  source_.ScrollToFirstVisibleLine(2);
  EXPECT_EQ(target_.FirstVisibleLine(), 33);
}

TEST_F(SentenceAlignmentDisplayTest, PositionsBeyondTheTextsAreClamped) {
  const int sourceLength = source_.CharacterCount();
  const int targetLength = target_.CharacterCount();
  display_.SetAlignment(SentenceAlignment(
      {Record(0), {Record(29).sourceStart, sourceLength + 50, Record(29).targetStart, 1 << 30}}));
  PlaceCaret(source_, sourceLength);
  EXPECT_TRUE(display_.ShowAtCaret(AlignmentSide::Source));
  EXPECT_EQ(source_.Selection(), (PaneSpan{Record(29).sourceStart, sourceLength}));
  EXPECT_EQ(target_.Selection(), (PaneSpan{Record(29).targetStart, targetLength}));
}

}  // namespace
}  // namespace vorla

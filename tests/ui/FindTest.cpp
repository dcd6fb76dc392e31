#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "RecordingMessageBox.h"
#include "common/CodePages.h"
#include "config/ConfigFixture.h"
#include "ui/panes/FindDialog.h"
#include "ui/panes/PaneFind.h"

namespace vorla {
namespace {

// "Alpha" at 0, "alpha" inside "alphabet" at 11, "ALPHA" at 21, "alpha" at 32.
constexpr std::string_view kText = "Alpha beta alphabet. ALPHA\r\nbeta alpha";

TEST(Find, NextOccurrenceAfterTheSelectionThenFromTheStart) {
  TextPane pane;
  pane.SetText(kText, kCodePageWindows1252);
  const struct {
    const char* what;
    PaneSpan selection;
    FindOptions options;
    std::optional<PaneSpan> hit;
  } cases[] = {
      {"alpha", {0, 0}, {}, PaneSpan{0, 5}},
      {"alpha", {0, 5}, {}, PaneSpan{11, 16}},
      {"alpha", {1, 1}, {}, PaneSpan{11, 16}},
      {"alpha", {12, 12}, {}, PaneSpan{21, 26}},
      {"alpha", {33, 33}, {}, PaneSpan{0, 5}},  // wraps to the start
      {"alpha", {0, 5}, {.matchCase = true}, PaneSpan{11, 16}},
      {"alpha", {11, 16}, {.matchCase = true}, PaneSpan{32, 37}},
      {"ALPHA", {22, 22}, {.matchCase = true}, PaneSpan{21, 26}},  // the only one
      {"alpha", {0, 5}, {.wholeWord = true}, PaneSpan{21, 26}},
      {"alpha", {21, 26}, {.matchCase = true, .wholeWord = true}, PaneSpan{32, 37}},
      {"Alphabet", {0, 0}, {.matchCase = true}, std::nullopt},
      {"gamma", {0, 0}, {}, std::nullopt},
  };
  for (const auto& c : cases) {
    pane.SelectRange(c.selection.start, c.selection.end);
    EXPECT_EQ(FindInPane(pane, c.what, c.options), c.hit)
        << c.what << " from " << c.selection.start;
  }
}

TEST(Find, WhatIsTrimmedAndAtMost255Characters) {
  const struct {
    QString typed;
    QString what;
  } cases[] = {
      {" \t\u00a0word\r\n ", "word"},  {"two words", "two words"},
      {" \t\r\n\u00a0", ""},           {QString(300, 'x'), QString(255, 'x')},
      {QString(254, ' ') + "ab", "a"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindWhat(c.typed), c.what) << c.typed.toStdString();
}

class FindNextTest : public testing::Test {
 protected:
  FindNextTest() { config_->SetMessageBox(messages_); }

  RefPtr<Config> config_ = test::MakeHomeConfig();
  std::shared_ptr<test::RecordingMessageBox> messages_ =
      std::make_shared<test::RecordingMessageBox>();
};

TEST_F(FindNextTest, HitIsSelectedOnTheFifthVisibleLine) {
  TextPane pane;
  pane.SetPaneFont(QFont("DejaVu Sans", 10));
  pane.resize(300, 120);
  pane.show();
  std::string text;
  for (int i = 0; i < 60; ++i)
    text += "line " + std::to_string(i) + "\n";
  pane.SetText(text, kCodePageWindows1252);

  EXPECT_TRUE(FindNext(pane, "  line 30\t", {}, FindScope::Translation, *config_));
  const int start = static_cast<int>(text.find("line 30"));
  EXPECT_EQ(pane.Selection(), (PaneSpan{start, start + 7}));
  EXPECT_EQ(pane.FirstVisibleLine(), 26);
  // A hit near the top cannot scroll above the first line.
  EXPECT_TRUE(FindNext(pane, "line 2\n", {.wholeWord = true}, FindScope::Translation, *config_));
  EXPECT_EQ(pane.FirstVisibleLine(), 0);
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(FindNextTest, NotFoundSaysWhereInTheUiLanguage) {
  TextPane pane;
  pane.SetText(kText, kCodePageWindows1252);
  pane.SelectRange(3, 4);
  const struct {
    UiLanguage language;
    FindScope scope;
    std::string message;
  } cases[] = {
      {UiLanguage::English, FindScope::SourceText, "Cannot find \"gamma\" in the source text."},
      {UiLanguage::English, FindScope::Translation, "Cannot find \"gamma\" in the translation."},
      {UiLanguage::English, FindScope::TranslationResult, "Cannot find \"gamma\""},
      {UiLanguage::Finnish, FindScope::SourceText,
       "Merkkijonoa \"gamma\" ei löytynyt käännettävästä tekstistä."},
      {UiLanguage::Finnish, FindScope::Translation,
       "Merkkijonoa \"gamma\" ei löytynyt käännöksestä."},
      {UiLanguage::Finnish, FindScope::TranslationResult, "Merkkijonoa \"gamma\" ei löytynyt"},
  };
  for (const auto& c : cases) {
    config_->SetUiLanguage(c.language);
    messages_->shown.clear();
    EXPECT_FALSE(FindNext(pane, " gamma ", {}, c.scope, *config_));
    ASSERT_EQ(messages_->shown.size(), 1u);
    EXPECT_EQ(messages_->shown[0].text, c.message);
    EXPECT_EQ(messages_->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(pane.Selection(), (PaneSpan{3, 4}));
  }
  messages_->shown.clear();
  EXPECT_FALSE(FindNext(pane, " \t ", {}, FindScope::SourceText, *config_));
  EXPECT_TRUE(messages_->shown.empty());
}

TEST_F(FindNextTest, DialogSearchesTheChosenPaneAndKeepsItsOptions) {
  config_->SetUiLanguage(UiLanguage::Finnish);
  QWidget window;
  TextPane source(&window);
  TextPane translation(&window);
  source.SetText("kissa Koira", kCodePageWindows1252);
  translation.SetText("cat Dog dog", kCodePageWindows1252);

  FindDialog* dialog =
      FindDialog::OpenForMainWindow(&window, config_, source, translation, FindScope::Translation);
  EXPECT_EQ(dialog->windowTitle(), "Etsi");
  EXPECT_EQ(dialog->PaneList().currentText(), "Käännös");
  EXPECT_TRUE(dialog->PaneList().isEnabled());
  EXPECT_EQ(dialog->WhatEdit().maxLength(), 255);
  EXPECT_EQ(
      FindDialog::OpenForMainWindow(&window, config_, source, translation, FindScope::SourceText),
      dialog);
  EXPECT_EQ(dialog->PaneList().currentText(), "Käännettävä teksti");

  dialog->WhatEdit().setText("dog");
  dialog->PaneList().setCurrentIndex(1);
  dialog->MatchCaseBox().setChecked(true);
  dialog->FindNextInChosenPane();
  EXPECT_EQ(translation.Selection(), (PaneSpan{8, 11}));
  dialog->FindNextInChosenPane();
  EXPECT_EQ(translation.Selection(), (PaneSpan{8, 11}));
  EXPECT_EQ(source.Selection().Length(), 0);
  EXPECT_TRUE(messages_->shown.empty());

  // A result window's dialog replaces it, with its one pane, and the same options.
  TextPane result(&window);
  result.SetText("Dog", kCodePageWindows1252);
  FindDialog* resultDialog = FindDialog::OpenForResultWindow(&window, config_, result);
  EXPECT_EQ(resultDialog->PaneList().count(), 1);
  EXPECT_EQ(resultDialog->PaneList().currentText(), "Käännöstulos");
  EXPECT_FALSE(resultDialog->PaneList().isEnabled());
  EXPECT_TRUE(resultDialog->MatchCaseBox().isChecked());
  EXPECT_FALSE(resultDialog->WholeWordBox().isChecked());
  resultDialog->WhatEdit().setText("dog");
  resultDialog->FindNextInChosenPane();
  ASSERT_EQ(messages_->shown.size(), 1u);
  EXPECT_EQ(messages_->shown[0].text, "Merkkijonoa \"dog\" ei löytynyt");
  resultDialog->MatchCaseBox().setChecked(false);
}

TEST(FindDialogPlacement, MovesOffTheHitWhileStayingOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const struct {
    const char* what;
    QRect dialog;
    QRect hit;
    QPoint place;
  } cases[] = {
      {"far from the hit", {500, 500, 200, 100}, {100, 100, 50, 20}, {500, 500}},
      {"over the hit goes below", {90, 100, 200, 100}, {100, 100, 50, 20}, {90, 150}},
      {"within 30 pixels", {90, 149, 200, 100}, {100, 100, 50, 20}, {90, 150}},
      {"31 pixels away", {90, 151, 200, 100}, {100, 100, 50, 20}, {90, 151}},
      {"no room below goes above", {90, 650, 200, 100}, {100, 700, 50, 20}, {90, 570}},
      {"no room either way", {90, 0, 200, 790}, {100, 400, 50, 20}, {90, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionOffHit(c.dialog, c.hit, screen), c.place) << c.what;
  }
}

}  // namespace
}  // namespace vorla

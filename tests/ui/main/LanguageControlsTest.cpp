#include <QComboBox>

#include "MainFrameFixture.h"
#include "ui/Mnemonics.h"
#include "ui/dialogs/LanguagePairDialog.h"
#include "ui/main/CommandIds.h"
#include "ui/main/LanguagePairBox.h"

namespace vorla {
namespace {

using test::MainFrameTest;

class LanguageControlsTest : public MainFrameTest {
 protected:
  // As a login reports an account.
  void LogInAs(int accountType, int bits) {
    translator_->State().SetAccount(accountType, 0);
    translator_->State().SetAvailablePairs(bits);
    frame_->RefreshLanguageControls();
  }

  QMenu& LanguageMenu() const { return MenuTitled("Language"); }

  int CountInLanguageMenu(const QString& text) const {
    int count = 0;
    for (const QAction* action : LanguageMenu().actions())
      count += WithoutMnemonic(action->text()) == text ? 1 : 0;
    return count;
  }
  int SeparatorsInLanguageMenu() const {
    int count = 0;
    for (const QAction* action : LanguageMenu().actions())
      count += action->isSeparator() ? 1 : 0;
    return count;
  }
  bool Enabled(int command) const { return frame_->Command(command).isEnabled(); }
};

TEST_F(LanguageControlsTest, MenuItemsFollowThePairBits) {
  const struct {
    int accountType;
    int bits;
    bool automatic, englishFinnish, finnishEnglish;
  } cases[] = {
      {2, 3, true, true, true},    {2, 1, false, true, false}, {2, 2, false, false, true},
      {2, 0, false, false, false}, {3, 3, true, true, true},
  };
  for (const auto& c : cases) {
    LogInAs(c.accountType, c.bits);
    EXPECT_EQ(Enabled(kCmdAutoSelection), c.automatic) << c.bits;
    EXPECT_EQ(Enabled(kCmdEnglishFinnish), c.englishFinnish) << c.bits;
    EXPECT_EQ(Enabled(kCmdFinnishEnglish), c.finnishEnglish) << c.bits;
  }
  EXPECT_EQ(CountInLanguageMenu("English -> Swedish"), 0);
}

TEST_F(LanguageControlsTest, RunTimeItemsAreAddedOnceAndFollowTheAccountType) {
  for (int login = 0; login < 3; ++login)
    LogInAs(3, 7);
  EXPECT_EQ(CountInLanguageMenu("More languages..."), 1);
  EXPECT_TRUE(Enabled(kCmdMoreLanguages));
  EXPECT_EQ(CountInLanguageMenu("English -> Swedish"), 0);

  for (int login = 0; login < 3; ++login)
    LogInAs(2, 7);
  EXPECT_EQ(CountInLanguageMenu("English -> Swedish"), 1);
  EXPECT_EQ(SeparatorsInLanguageMenu(), 2);
  EXPECT_TRUE(Enabled(kCmdEnglishSwedish));
  EXPECT_FALSE(Enabled(kCmdMoreLanguages));

  LogInAs(4, 7);
  EXPECT_EQ(CountInLanguageMenu("English -> Swedish"), 1);
  EXPECT_EQ(CountInLanguageMenu("More languages..."), 1);
  EXPECT_FALSE(Enabled(kCmdEnglishSwedish));
  EXPECT_TRUE(Enabled(kCmdMoreLanguages));
}

TEST_F(LanguageControlsTest, MoreLanguagesOpensOnePairDialogThatFollowsTheMenu) {
  LogInAs(3, 3);
  Trigger(kCmdMoreLanguages);
  Trigger(kCmdMoreLanguages);
  const QList<LanguagePairDialog*> dialogs = frame_->findChildren<LanguagePairDialog*>();
  ASSERT_EQ(dialogs.size(), 1);
  LanguagePairDialog& dialog = *dialogs[0];
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.windowTitle(), "Select Language Pair");

  Trigger(kCmdFinnishEnglish);
  EXPECT_EQ(dialog.SourceList().currentText(), "Finnish");
  QComboBox& sources = dialog.SourceList();
  emit sources.activated(sources.findText("Czech"));
  EXPECT_EQ(translator_->State().GetPair().source, 105);
  // The main window's controls follow the dialog's choice.
  EXPECT_EQ(frame_->PairBox().FirstList().currentText(), "Czech");
  EXPECT_FALSE(frame_->Command(kCmdFinnishEnglish).isChecked());
}

TEST_F(LanguageControlsTest, MenuAndPairBoxChooseTheSamePair) {
  LogInAs(2, 7);
  QComboBox& pairs = frame_->PairBox().FirstList();
  EXPECT_EQ(pairs.currentText(), "Auto-Selection");
  EXPECT_TRUE(frame_->Command(kCmdAutoSelection).isChecked());

  emit pairs.activated(2);  // Finnish -> English
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{1, 0, false}));
  EXPECT_EQ(Stored("LanInf3"), "false");
  EXPECT_TRUE(frame_->Command(kCmdFinnishEnglish).isChecked());
  EXPECT_FALSE(frame_->Command(kCmdAutoSelection).isChecked());

  Trigger(kCmdEnglishSwedish);
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{0, 2, false}));
  EXPECT_EQ(pairs.currentText(), "English -> Swedish");
  EXPECT_FALSE(frame_->Command(kCmdFinnishEnglish).isChecked());

  Trigger(kCmdAutoSelection);
  EXPECT_TRUE(translator_->State().GetAutoDirection());
  EXPECT_EQ(pairs.currentText(), "Auto-Selection");
}

TEST_F(LanguageControlsTest, FurtherLanguageAccountsGetSourceAndTargetLists) {
  LogInAs(3, 3);
  QComboBox& sources = frame_->PairBox().FirstList();
  QComboBox& targets = frame_->PairBox().TargetList();
  EXPECT_FALSE(targets.isHidden());
  EXPECT_FALSE(targets.isEnabled());  // automatic direction
  emit sources.activated(sources.findText("Czech"));
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{105, 1, false}));
  EXPECT_TRUE(targets.isEnabled());
  emit targets.activated(targets.findText("German"));
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{105, 112, false}));
  EXPECT_EQ(sources.currentText(), "Czech");
  EXPECT_EQ(targets.currentText(), "German");
  // Neither menu direction is the pair.
  EXPECT_FALSE(frame_->Command(kCmdEnglishFinnish).isChecked());
  EXPECT_FALSE(frame_->Command(kCmdAutoSelection).isChecked());

  LogInAs(2, 3);
  EXPECT_TRUE(targets.isHidden());
}

TEST_F(LanguageControlsTest, PairBoxNeverNarrowsDuringARun) {
  LogInAs(4, 3);
  const int wide = frame_->PairBox().FirstList().width();
  LogInAs(2, 1);
  EXPECT_EQ(frame_->PairBox().FirstList().count(), 1);
  EXPECT_EQ(frame_->PairBox().FirstList().width(), wide);
}

}  // namespace
}  // namespace vorla

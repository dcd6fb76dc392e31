#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "DialogDriver.h"
#include "config/ConfigFixture.h"
#include "ui/dialogs/QtPriceConfirmation.h"
#include "ui/dialogs/TranslationInfoDialog.h"

namespace vorla {
namespace {

TranslationInfo Info(bool suffices) {
  TranslationInfo info;
  info.words = 120;
  info.price = 15000;
  info.balance = suffices ? 100000 : 12500;
  info.balanceSuffices = suffices;
  return info;
}

TEST(TranslationInfoDialog, LinesAndButtonsInBothLanguages) {
  const struct {
    UiLanguage language;
    bool suffices;
    QString title;
    QStringList lines;
    QString checkBox, translate, cancel;
  } cases[] = {
      {UiLanguage::English,
       true,
       "Translation Info",
       {"Source text length: 120 words", "Translation price: 15 tokens",
        "Translation account balance: 100 tokens",
        "Click \"Translate\" to perform the translation now. "},
       "Don't ask confirmation before translation",
       "Translate",
       "Cancel"},
      {UiLanguage::Finnish,
       false,
       "Käännöksen tiedot",
       {"Käännettävän tekstin pituus: 120 sanaa", "Käännöksen hinta: 15 polettia",
        "Käännöstilin saldo: 12.5 polettia",
        "Käännöstilin saldo ei riitä käännöksen suorittamiseen."},
       "Älä kysy vahvistusta ennen kääntämistä",
       "Käännä",
       "Peruuta"},
  };
  for (const auto& c : cases) {
    TranslationInfoDialog dialog(nullptr, c.language, Info(c.suffices), true);
    EXPECT_EQ(dialog.windowTitle(), c.title);
    EXPECT_EQ(test::LabelTexts(dialog.Lines()), c.lines);
    EXPECT_EQ(dialog.DontAskBox().text(), c.checkBox);
    EXPECT_EQ(dialog.TranslateButton().text(), c.translate);
    EXPECT_EQ(dialog.CancelButton().text(), c.cancel);
  }
}

TEST(TranslationInfoDialog, AnswersByBalanceButtonAndCheckBox) {
  const struct {
    bool suffices;
    bool translateClicked;
    bool tick;
    PriceAnswer answer;
  } cases[] = {
      {true, true, false, {true, true}},
      {true, true, true, {true, false}},
      {true, false, true, {false, false}},
      // Without enough balance "Translate" closes like "Cancel" and the box is not offered.
      {false, true, false, {false, true}},
      {false, false, false, {false, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.suffices << c.translateClicked << c.tick);
    TranslationInfoDialog dialog(nullptr, UiLanguage::English, Info(c.suffices), true);
    EXPECT_EQ(dialog.DontAskBox().isHidden(), !c.suffices);
    if (c.tick) dialog.DontAskBox().setChecked(true);
    (c.translateClicked ? dialog.TranslateButton() : dialog.CancelButton()).click();
    EXPECT_EQ(dialog.result(), c.answer.translate ? QDialog::Accepted : QDialog::Rejected);
    const PriceAnswer answer = dialog.Answer();
    EXPECT_EQ(answer.translate, c.answer.translate);
    EXPECT_EQ(answer.askConfirmation, c.answer.askConfirmation);
  }
}

TEST(QtPriceConfirmation, AWorkersQuestionIsAnsweredInTheDialog) {
  auto questions = std::make_shared<WindowThreadQuestions>();
  QtPriceConfirmation confirmation(questions, test::MakeHomeConfig());
  test::OnModal<TranslationInfoDialog>([](TranslationInfoDialog& dialog) {
    EXPECT_TRUE(dialog.DontAskBox().isChecked());  // asked not to ask before
    dialog.DontAskBox().setChecked(false);
    dialog.TranslateButton().click();
  });
  test::WorkerCall<PriceAnswer> call(
      [&confirmation] { return confirmation.Ask(Info(true), false); });
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_TRUE(call.Result().translate);
  EXPECT_TRUE(call.Result().askConfirmation);
}

}  // namespace
}  // namespace vorla

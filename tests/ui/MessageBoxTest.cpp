#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>

#include "DialogDriver.h"
#include "ui/dialogs/DialogPlacement.h"
#include "ui/dialogs/QtMessageBox.h"

namespace vorla {
namespace {

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (QAbstractButton* button : box.buttons())
    texts << button->text();
  texts.sort();
  return texts;
}

TEST(MessageBox, ButtonsSpeakTheUiLanguage) {
  const struct {
    MessageButtons buttons;
    UiLanguage language;
    QStringList texts;  // sorted
  } cases[] = {
      {MessageButtons::YesNoCancel, UiLanguage::Finnish, {"Ei", "Kyllä", "Peruuta"}},
      {MessageButtons::YesNoCancel, UiLanguage::English, {"Cancel", "No", "Yes"}},
      {MessageButtons::OkCancel, UiLanguage::Finnish, {"OK", "Peruuta"}},
      {MessageButtons::Ok, UiLanguage::Finnish, {"OK"}},
      {MessageButtons::RetryCancel, UiLanguage::Finnish, {"Peruuta", "Yritä uudelleen"}},
      {MessageButtons::RetryCancel, UiLanguage::English, {"Cancel", "Retry"}},
  };
  for (const auto& c : cases) {
    const auto box = BuildMessageBox(nullptr, "text", {}, {c.buttons}, c.language);
    EXPECT_EQ(ButtonTexts(*box), c.texts) << c.texts.join(",").toStdString();
  }
}

TEST(MessageBox, CaptionDefaultTextPlainAndTheDefaultButton) {
  const auto box =
      BuildMessageBox(nullptr, "<b>1 < 2</b>\r\n\r\nnext", {},
                      {MessageButtons::YesNo, MessageIcon::Warning, 1}, UiLanguage::Finnish);
  EXPECT_EQ(box->windowTitle(), "Vorla Tool");
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), "<b>1 < 2</b>\n\nnext");
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->defaultButton()->text(), "Ei");
  EXPECT_EQ(BuildMessageBox(nullptr, "t", "Find", {}, UiLanguage::English)->windowTitle(), "Find");
}

TEST(MessageBox, CentredOverItsOwnerNeverAtNegativeCoordinates) {
  EXPECT_EQ(CentredOver(QRect(100, 100, 400, 300), QSize(200, 100)), QPoint(200, 200));
  EXPECT_EQ(CentredOver(QRect(-600, -400, 400, 300), QSize(200, 100)), QPoint(0, 0));
  EXPECT_EQ(CentredOver(QRect(0, 0, 100, 100), QSize(300, 50)), QPoint(0, 25));
}

TEST(MessageBox, AWorkersBoxOpensOnTheWindowThreadOverItsOwner) {
  auto questions = std::make_shared<WindowThreadQuestions>();
  QWidget mainWindow;
  mainWindow.setGeometry(300, 200, 800, 600);
  mainWindow.show();
  questions->SetMainWindow(&mainWindow);
  QtMessageBox messageBox(questions);
  test::WorkerCall<MessageAnswer> call([&messageBox] {
    return messageBox.Show("Delete?", {}, {MessageButtons::YesNoCancel}, UiLanguage::Finnish);
  });
  QRect shownAt;
  test::OnModal<QMessageBox>([&shownAt](QMessageBox& box) {
    shownAt = box.frameGeometry();
    for (QAbstractButton* button : box.buttons()) {
      if (button->text() == "Ei") button->click();
    }
  });
  ASSERT_TRUE(call.WaitWithEvents());
  EXPECT_EQ(call.Result(), MessageAnswer::No);
  // Centred up to the window frame, which is not known before the box shows.
  EXPECT_LE((shownAt.center() - mainWindow.frameGeometry().center()).manhattanLength(), 4);
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <atomic>
#include <memory>
#include <thread>

#include "translation/JobDisplay.h"
#include "ui/Mnemonics.h"
#include "ui/documents/ProgressDialog.h"
#include "ui/documents/ProgressDialogDisplay.h"

namespace vorla {
namespace {

QPushButton* ButtonReading(QWidget& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (WithoutMnemonic(button->text()) == text) return button;
  return nullptr;
}

bool ShowsLabel(QWidget& dialog, const QString& text) {
  for (QLabel* label : dialog.findChildren<QLabel*>())
    if (label->text() == text) return true;
  return false;
}

struct DialogUnderTest {
  int cancels = 0;
  QPointer<ProgressDialog> dialog;
  JobDisplay display;
  std::shared_ptr<std::atomic<bool>> cancelled = std::make_shared<std::atomic<bool>>(false);

  explicit DialogUnderTest(UiLanguage language) {
    dialog = new ProgressDialog(nullptr, language, "report.docx");
    dialog->SetActions({.cancelJob = [this] { ++cancels; }, .saveResultAs = [] { return false; }});
    dialog->show();
    display = MakeProgressDialogDisplay(dialog);
  }
  ~DialogUnderTest() { delete dialog.data(); }
  JobIdentity Job() const { return JobIdentity(cancelled); }
};

TEST(ProgressDialog, ShowsTheDocumentAndItsButtonsInEitherLanguage) {
  const struct {
    UiLanguage language;
    const char* title;
    const char* document;
    const char* save;
    const char* cancel;
    const char* close;
  } cases[] = {
      {UiLanguage::English, "Translate File", "Document:", "Save translation...", "Cancel",
       "Close"},
      {UiLanguage::Finnish, "Käännä tiedosto", "Tiedosto:", "Tallenna käännös...", "Keskeytä",
       "Sulje"},
  };
  for (const auto& c : cases) {
    DialogUnderTest shown(c.language);
    ProgressDialog& dialog = *shown.dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
    EXPECT_TRUE(ShowsLabel(dialog, QString::fromUtf8(c.document)));
    EXPECT_TRUE(ShowsLabel(dialog, "report.docx"));
    QPushButton* save = ButtonReading(dialog, QString::fromUtf8(c.save));
    ASSERT_NE(save, nullptr) << c.save;
    EXPECT_FALSE(save->isEnabled());
    ASSERT_NE(ButtonReading(dialog, QString::fromUtf8(c.cancel)), nullptr) << c.cancel;
    dialog.ResultArrived();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_NE(ButtonReading(dialog, QString::fromUtf8(c.close)), nullptr) << c.close;
  }
}

TEST(ProgressDialog, ReportsArriveOnTheWindowThreadOnlyForAJobThatMayShow) {
  DialogUnderTest shown(UiLanguage::English);
  std::thread worker([&shown] {
    shown.display.progress->ShowStatus(shown.Job(), "Downloading translation result...",
                                       ProgressBar::ShowAt, 0);
  });
  worker.join();
  EXPECT_FALSE(ShowsLabel(*shown.dialog, "Downloading translation result..."))
      << "a worker never touches the dialog";
  QApplication::processEvents();
  EXPECT_TRUE(ShowsLabel(*shown.dialog, "Downloading translation result..."));
  EXPECT_TRUE(shown.dialog->findChild<QProgressBar*>()->isVisibleTo(shown.dialog));

  shown.display.delivery->Deliver(shown.Job(), {});
  shown.cancelled->store(true);
  shown.display.progress->ShowFailure(shown.Job(), "Translation failed");
  QApplication::processEvents();
  EXPECT_FALSE(ButtonReading(*shown.dialog, "Save translation...")->isEnabled())
      << "the job was cancelled before its result reached the window";
  EXPECT_FALSE(ShowsLabel(*shown.dialog, "Translation failed"));
}

TEST(ProgressDialog, TheResultEnablesSavingAndAFailureIsTheFinalMessage) {
  DialogUnderTest shown(UiLanguage::English);
  shown.display.progress->ShowFailure(shown.Job(), "Translation failed - timeout");
  QApplication::processEvents();
  EXPECT_TRUE(ShowsLabel(*shown.dialog, "Translation failed - timeout"));
  EXPECT_FALSE(shown.dialog->findChild<QProgressBar*>()->isVisibleTo(shown.dialog));
  EXPECT_EQ(ButtonReading(*shown.dialog, "Save translation...")->isVisibleTo(shown.dialog), false);

  DialogUnderTest delivered(UiLanguage::English);
  delivered.display.delivery->Deliver(delivered.Job(), {});
  QApplication::processEvents();
  EXPECT_TRUE(ButtonReading(*delivered.dialog, "Save translation...")->isEnabled());
  EXPECT_NE(ButtonReading(*delivered.dialog, "Close"), nullptr);
}

TEST(ProgressDialog, CancelAndEscapeEndTheJobAndCloseTheDialog) {
  for (const bool escape : {false, true}) {
    DialogUnderTest shown(UiLanguage::English);
    if (escape)
      shown.dialog->reject();
    else
      ButtonReading(*shown.dialog, "Cancel")->click();
    EXPECT_EQ(shown.cancels, 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.dialog.isNull()) << "the dialog deletes itself when closed";
    // A report still on its way finds no dialog.
    shown.display.progress->ShowStatus(shown.Job(), "late", ProgressBar::Hide, 0);
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace vorla

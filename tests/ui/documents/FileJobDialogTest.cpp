#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "../../translation/TranslatorFixture.h"
#include "../DialogDriver.h"
#include "support/FileBytes.h"
#include "support/TempHome.h"
#include "translation/DocumentFormat.h"
#include "ui/Mnemonics.h"
#include "ui/documents/DesktopProgressDialogs.h"
#include "ui/documents/ProgressDialog.h"

namespace vorla::test {
namespace {

// The translator on the simulator with the desktop's progress dialogs for file jobs.
class FileJobDialogTest : public testing::Test, public TranslatorFixture {
 protected:
  FileJobDialogTest() {
    CWindowsTranslator::Hooks hooks = FakeHooks();
    hooks.progressDialogs = std::make_shared<DesktopProgressDialogs>(config_);
    translator_->SetHooks(hooks);
  }
  ~FileJobDialogTest() override {
    DesktopProgressDialogs::CloseAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  RefPtr<WindowsTranslationInstance> TranslateFile(std::string name) {
    TranslationOrder order;
    order.text = "PK\x03\x04 a small document";
    order.format = kFormatDocx;
    order.fileName = (CurrentHome() / name).string();
    return translator_->StartTranslation(std::move(order));
  }

  static ProgressDialog* Dialog() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<ProgressDialog*>(window)) return dialog;
    }
    return nullptr;
  }
  static QPushButton* Button(const QString& text) {
    for (QPushButton* button : Dialog()->findChildren<QPushButton*>())
      if (WithoutMnemonic(button->text()) == text) return button;
    return nullptr;
  }
  static bool RunUntil(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 30'000);
  }
};

TEST_F(FileJobDialogTest, TheResultIsOpenedAndOfferedForSavingWhileTheMainWindowKeepsItsOwn) {
  const RefPtr<WindowsTranslationInstance> job = TranslateFile("Report.docx");
  ASSERT_TRUE(job);
  EXPECT_EQ(job->WaitForResult(), 0);
  ASSERT_TRUE(RunUntil([] { return Dialog() && Button("Save translation...")->isEnabled(); }));
  EXPECT_NE(Button("Close"), nullptr);
  ASSERT_EQ(opener_->opened.size(), 1u);
  const std::filesystem::path opened(opener_->opened[0]);
  EXPECT_EQ(opened.extension(), ".docx");
  EXPECT_TRUE(opened.filename().string().starts_with("Report translation"));
  EXPECT_EQ(ReadFileBytes(opened), "ok");
  // The job was never the main window's: nothing there, no last result.
  EXPECT_TRUE(progress_->Lines().empty());
  EXPECT_EQ(translator_->LastResult(), -1);
}

TEST_F(FileJobDialogTest, CancelEndsTheRunningJobWith10AndClosesTheDialog) {
  sim::Faults faults;
  faults.stallBefore = std::chrono::seconds(3);
  faults.times = 1;
  sim_.SetFaults("tr", faults);
  const RefPtr<WindowsTranslationInstance> job = TranslateFile("Report.docx");
  ASSERT_TRUE(job);
  AwaitRequest("tr");
  ASSERT_NE(Dialog(), nullptr);
  Button("Cancel")->click();
  EXPECT_EQ(job->WaitForResult(), 10);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Dialog(), nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(opener_->opened.empty());
}

TEST_F(FileJobDialogTest, SavingTheTranslationCompletesTheNameAndClosesTheDialog) {
  const RefPtr<WindowsTranslationInstance> job = TranslateFile("notes.docx");
  ASSERT_TRUE(job);
  ASSERT_TRUE(RunUntil([] { return Dialog() && Button("Save translation...")->isEnabled(); }));
  const std::filesystem::path chosen = CurrentHome() / "saved";
  QString suggested;
  OnModal<QFileDialog>([&](QFileDialog& dialog) {
    suggested = dialog.selectedFiles().value(0);
    dialog.selectFile(QString::fromStdString(chosen.string()));
    static_cast<QDialog&>(dialog).accept();
  });
  Button("Save translation...")->click();
  EXPECT_TRUE(suggested.endsWith("notes translation.docx")) << suggested.toStdString();
  EXPECT_EQ(ReadFileBytes(CurrentHome() / "saved.docx"), "ok");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(Dialog(), nullptr);
}

}  // namespace
}  // namespace vorla::test

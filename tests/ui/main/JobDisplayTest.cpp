#include <QCoreApplication>
#include <QProgressBar>
#include <thread>

#include "MainFrameFixture.h"
#include "ui/main/CommandIds.h"

namespace vorla {
namespace {

using test::MainFrameTest;

// Runs the calls on a thread of their own, as a job's worker makes them.
void OnWorker(const std::function<void()>& calls) {
  std::thread(calls).join();
}

TEST_F(MainFrameTest, WorkersReachTheWindowThroughItsQueue) {
  const CWindowsTranslator::Hooks hooks = frame_->TranslatorHooks();
  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus("Sending translation request to the server... 40%",
                                          ProgressBar::ShowAt, 40);
    hooks.mainWindow.progress->ShowInTargetPane("Translating... please wait");
    hooks.window->EnableCancelCommand(true);
  });
  EXPECT_FALSE(frame_->Command(kCmdCancelTranslation).isEnabled());  // not yet
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->Status().Text(), "Sending translation request to the server... 40%");
  EXPECT_TRUE(frame_->Status().Bar().isVisible());
  EXPECT_EQ(frame_->Status().Bar().value(), 40);
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), "Translating... please wait");
  EXPECT_TRUE(frame_->Command(kCmdCancelTranslation).isEnabled());

  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus("Translation completed", ProgressBar::Hide, 0);
    TranslationDelivery delivery;
    delivery.result = "{\\rtf1\\ansi\\ansicpg1252 Hyv\\'e4\\'e4 y\\'f6t\\'e4.}";
    delivery.rtf = true;
    hooks.mainWindow.delivery->Deliver(std::move(delivery));
    hooks.window->EnableCancelCommand(false);
  });
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->Status().Text(), "Translation completed");
  EXPECT_FALSE(frame_->Status().Bar().isVisible());
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), QString::fromUtf8("Hyvää yötä."));
  EXPECT_FALSE(frame_->Command(kCmdCancelTranslation).isEnabled());
}

TEST_F(MainFrameTest, FailureShowsInTheStatusLineAndThePane) {
  const CWindowsTranslator::Hooks hooks = frame_->TranslatorHooks();
  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus("Downloading translation result... 50%",
                                          ProgressBar::ShowAt, 50);
    hooks.mainWindow.progress->ShowFailure("Translation failed - Connection to the server failed");
  });
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->Status().Text(), "Translation failed - Connection to the server failed");
  EXPECT_FALSE(frame_->Status().Bar().isVisible());
  EXPECT_EQ(frame_->TranslationPane().toPlainText(),
            "Translation failed - Connection to the server failed");
}

TEST_F(MainFrameTest, CallsAfterTheWindowHasGoneAreDropped) {
  const CWindowsTranslator::Hooks hooks = frame_->TranslatorHooks();
  const std::shared_ptr<StatusBar> logins = frame_->LoginStatusBar();
  OnWorker([&] { hooks.mainWindow.progress->ShowStatus("pending", ProgressBar::ShowAt, 10); });
  frame_.reset();
  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus("late", ProgressBar::ShowAt, 20);
    hooks.mainWindow.progress->ShowFailure("late failure");
    hooks.mainWindow.delivery->Deliver({});
    hooks.window->EnableCancelCommand(true);
    hooks.window->RefreshLanguageControls(true);
    logins->ShowStatus("Logging in... please wait");
  });
  // Nothing is left to run, and nothing touches the window that has gone.
  QCoreApplication::processEvents();
  EXPECT_TRUE(hooks.sourcePane->IsEmpty());
}

}  // namespace
}  // namespace vorla

#include <QCoreApplication>
#include <QProgressBar>
#include <thread>

#include "MainFrameFixture.h"
#include "common/CodePages.h"
#include "ui/main/CommandIds.h"
#include "ui/main/QueuedMainWindow.h"

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
    hooks.mainWindow.progress->ShowStatus({}, "Sending translation request to the server... 40%",
                                          ProgressBar::ShowAt, 40);
    hooks.mainWindow.progress->ShowInTargetPane({}, "Translating... please wait");
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
    hooks.mainWindow.progress->ShowStatus({}, "Translation completed", ProgressBar::Hide, 0);
    TranslationDelivery delivery;
    delivery.result = "{\\rtf1\\ansi\\ansicpg1252 Hyv\\'e4\\'e4 y\\'f6t\\'e4.}";
    delivery.rtf = true;
    hooks.mainWindow.delivery->Deliver({}, std::move(delivery));
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
    hooks.mainWindow.progress->ShowStatus({}, "Downloading translation result... 50%",
                                          ProgressBar::ShowAt, 50);
    hooks.mainWindow.progress->ShowFailure({},
                                           "Translation failed - Connection to the server failed");
  });
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->Status().Text(), "Translation failed - Connection to the server failed");
  EXPECT_FALSE(frame_->Status().Bar().isVisible());
  EXPECT_EQ(frame_->TranslationPane().toPlainText(),
            "Translation failed - Connection to the server failed");
}

TEST_F(MainFrameTest, ReportsOfAJobCancelledAfterItsWorkerReportedAreDropped) {
  const CWindowsTranslator::Hooks hooks = frame_->TranslatorHooks();
  frame_->TranslationPane().SetText("Translating... please wait", kCodePageUtf8);
  const auto cancelled = std::make_shared<std::atomic<bool>>(false);
  const JobIdentity superseded(cancelled);
  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus(superseded, "Downloading translation result... 50%",
                                          ProgressBar::ShowAt, 50);
    TranslationDelivery delivery;
    delivery.result = "Hyvää huomenta.";
    delivery.codePage = kCodePageUtf8;
    delivery.alignment = SentenceAlignment({{0, 5, 0, 5}, {6, 12, 6, 14}});
    hooks.mainWindow.delivery->Deliver(superseded, std::move(delivery));
    hooks.mainWindow.progress->ShowFailure(superseded, "Translation failed");
  });
  // The next job cancels this one before the window thread has run its reports.
  *cancelled = true;
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), "Translating... please wait");
  EXPECT_EQ(frame_->Status().Text(), "");
  EXPECT_FALSE(frame_->Alignment().IsAvailable());
}

TEST_F(MainFrameTest, CallsAfterTheQueueHasClosedAreDropped) {
  const auto queue = std::make_shared<WindowThreadQueue>(*frame_);
  const QueuedMainWindow queued = MakeQueuedMainWindow(*frame_, queue);
  OnWorker([&] { queued.display.progress->ShowStatus({}, "shown", ProgressBar::ShowAt, 10); });
  QCoreApplication::processEvents();
  ASSERT_EQ(frame_->Status().Text(), "shown");  // the queue carries calls while open

  queue->Close();
  OnWorker([&] {
    queued.display.progress->ShowStatus({}, "late", ProgressBar::ShowAt, 20);
    queued.display.progress->ShowInTargetPane({}, "late pane");
    queued.window->EnableCancelCommand(true);
    queued.statusBar->ShowStatus("Logging in... please wait");
  });
  QCoreApplication::processEvents();
  EXPECT_EQ(frame_->Status().Text(), "shown");
  EXPECT_EQ(frame_->TranslationPane().toPlainText(), "");
  EXPECT_FALSE(frame_->Command(kCmdCancelTranslation).isEnabled());

  // The frame closes its own queue as it goes: the calls of its hooks reach no deleted frame.
  const CWindowsTranslator::Hooks hooks = frame_->TranslatorHooks();
  const std::shared_ptr<StatusBar> logins = frame_->LoginStatusBar();
  frame_.reset();
  OnWorker([&] {
    hooks.mainWindow.progress->ShowStatus({}, "late", ProgressBar::ShowAt, 20);
    hooks.mainWindow.delivery->Deliver({}, {});
    hooks.window->RefreshLanguageControls(true);
    logins->ShowStatus("Logging in... please wait");
  });
  QCoreApplication::processEvents();
}

}  // namespace
}  // namespace vorla

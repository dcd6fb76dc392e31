#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "ui/documents/OperWaitDlg.h"

namespace vorla {
namespace {

TEST(OperWait, TheWorkRunsOnAWorkerWhileTheDialogShowsOnTheWindowThread) {
  const std::thread::id windowThread = std::this_thread::get_id();
  std::thread::id workThread;
  std::atomic<bool> release = false;
  bool dialogShown = false;
  // The dialog is up while the work waits; the window thread then lets it end.
  QTimer::singleShot(0, [&] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<OperWaitDlg*>(widget); dialog && dialog->isVisible()) {
        dialogShown = dialog->windowTitle() == "Loading file" &&
                      !dialog->findChildren<QLabel*>().isEmpty() &&
                      dialog->findChildren<QLabel*>().front()->text() == "Loading file 'a.rtf' ...";
        dialog->reject();  // Escape does not end it
      }
    }
    release = true;
  });
  ShowOperWait(nullptr, "Loading file", "Loading file 'a.rtf' ...", [&] {
    workThread = std::this_thread::get_id();
    while (!release)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  });
  EXPECT_TRUE(dialogShown);
  EXPECT_NE(workThread, windowThread);
}

TEST(OperWait, WorkThatEndsBeforeTheDialogAppearsClosesItAsItAppears) {
  bool ran = false;
  ShowOperWait(nullptr, {}, {}, [&ran] { ran = true; });
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace vorla

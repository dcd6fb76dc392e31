#pragma once

#include <memory>

#include "translation/JobDisplay.h"
#include "translation/StatusBar.h"
#include "translation/TranslatorWindow.h"
#include "ui/main/WindowThreadQueue.h"

namespace vorla {

class CMainFrame;

// The main window as the translator and the logins reach it from their threads: each call
// is copied into a call queued to the window thread, so no worker touches a widget, and
// calls that would arrive after the window has gone are dropped by the queue.
struct QueuedMainWindow {
  JobDisplay display;
  std::shared_ptr<TranslatorWindow> window;
  std::shared_ptr<StatusBar> statusBar;
};

// The frame is used only inside the queued calls, which run while it lives.
QueuedMainWindow MakeQueuedMainWindow(CMainFrame& frame, std::shared_ptr<WindowThreadQueue> queue);

}  // namespace vorla

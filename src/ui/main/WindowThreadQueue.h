#pragma once

#include <QObject>
#include <functional>
#include <mutex>

namespace vorla {

// Carries calls of worker threads to the window thread, for as long as the window lives.
// Each call is queued as an event of the window, so Qt drops the calls still pending when the
// window is destroyed; the window closes the queue first, and from then on nothing is
// queued at all. The lock makes closing and queueing exclusive, so that no worker queues to a
// window that is being destroyed.
class WindowThreadQueue {
 public:
  explicit WindowThreadQueue(QObject& window) : window_(&window) {}
  WindowThreadQueue(const WindowThreadQueue&) = delete;
  WindowThreadQueue& operator=(const WindowThreadQueue&) = delete;

  // Queues the call to run on the window thread; nothing once the queue is closed.
  void Post(std::function<void()> call);
  // Called on the window thread by the window as it goes.
  void Close();

 private:
  std::mutex mutex_;
  QObject* window_;
};

}  // namespace vorla

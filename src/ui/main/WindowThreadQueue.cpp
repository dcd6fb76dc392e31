#include "ui/main/WindowThreadQueue.h"

namespace vorla {

void WindowThreadQueue::Post(std::function<void()> call) {
  std::lock_guard lock(mutex_);
  if (window_) QMetaObject::invokeMethod(window_, std::move(call), Qt::QueuedConnection);
}

void WindowThreadQueue::Close() {
  std::lock_guard lock(mutex_);
  window_ = nullptr;
}

}  // namespace vorla

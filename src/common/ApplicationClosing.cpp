#include "common/ApplicationClosing.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace vorla {

namespace {

std::atomic<bool> closing{false};

struct Listeners {
  std::mutex mutex;
  std::vector<ClosingListener*> all;
};

// Never destroyed: a worker that is still ending while the process exits (a detached update
// or speech request) unregisters its service client after the static destructors have run.
Listeners& TheListeners() {
  static Listeners* const listeners = new Listeners;
  return *listeners;
}

}  // namespace

void SetApplicationClosing() {
  if (closing.exchange(true)) return;
  Listeners& listeners = TheListeners();
  std::lock_guard lock(listeners.mutex);
  for (ClosingListener* listener : listeners.all)
    listener->onClosing_();
}

bool IsApplicationClosing() {
  return closing.load();
}

ClosingListener::ClosingListener(std::function<void()> onClosing)
    : onClosing_(std::move(onClosing)) {
  Listeners& listeners = TheListeners();
  std::lock_guard lock(listeners.mutex);
  listeners.all.push_back(this);
}

ClosingListener::~ClosingListener() {
  Listeners& listeners = TheListeners();
  std::lock_guard lock(listeners.mutex);
  std::erase(listeners.all, this);
}

}  // namespace vorla

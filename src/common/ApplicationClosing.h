#pragma once

#include <functional>

namespace vorla {

// The process-wide closing flag. Once the program starts closing, workers make no more
// calls into windows and every question they would ask (login, price, notice) answers
// "cancelled" at once instead of waiting for the user.
void SetApplicationClosing();
bool IsApplicationClosing();

// Calls a function once when the program starts closing, on the thread that sets the flag,
// so that whoever waits for the user can give up at once. The call runs under the lock of
// the listeners: it must be quick and must not create or destroy a listener. Destroying the
// listener waits for a call in progress; after that it is never called.
class ClosingListener {
 public:
  explicit ClosingListener(std::function<void()> onClosing);
  ~ClosingListener();
  ClosingListener(const ClosingListener&) = delete;
  ClosingListener& operator=(const ClosingListener&) = delete;

 private:
  friend void SetApplicationClosing();
  std::function<void()> onClosing_;
};

}  // namespace vorla

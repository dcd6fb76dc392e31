#pragma once

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/RecordingOpener.h"

namespace vorla::test {

// Acts on the next modal dialog of type D as soon as it is open, from the window thread's
// event loop (which the dialog's own loop keeps running).
template <class D>
void OnModal(std::function<void(D&)> action) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
    auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    action(*dialog);
  });
  timer->start();
}

// A call made on a worker thread while the test's window thread goes on.
template <class R>
class WorkerCall {
 public:
  explicit WorkerCall(std::function<R()> call)
      : thread_([this, call = std::move(call)] {
          result_ = call();
          done_.store(true);
        }) {}

  // Runs the window thread's events until the call has returned; false on time-out.
  bool WaitWithEvents(std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    return QTest::qWaitFor([this] { return done_.load(); }, static_cast<int>(timeout.count()));
  }
  // Waits without running any event of the window thread.
  void JoinWithoutEvents() { thread_.join(); }
  bool Done() const { return done_.load(); }
  const R& Result() const { return *result_; }

 private:
  std::optional<R> result_;
  std::atomic<bool> done_{false};
  std::jthread thread_;
};

// The texts of a dialog's lines, top to bottom.
template <class Lines>
QStringList LabelTexts(const Lines& lines) {
  QStringList texts;
  for (const QLabel* line : lines)
    texts << line->text();
  return texts;
}

}  // namespace vorla::test

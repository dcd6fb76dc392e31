#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "UpdateCommands.h"
#include "service/LoginFixture.h"
#include "service/updates/CApplUpdateInfo.h"
#include "support/RecordingOpener.h"

namespace vorla::test {

// The demo user's stored login.
inline const std::string kStoredDemoDigest = "fe01ce2a7fbac8fafaed7c982a04e229";

// What the update window would show.
class RecordingUpdateView final : public UpdateWindowView {
 public:
  std::string status, details, closeText, startText;
  std::vector<std::string> statuses;
  std::vector<int> progress;
  bool downloadLayout = false;
  bool startShown = false, startEnabled = false;
  bool dontAskShown = false, dontAskTicked = false;
  bool closeIsDefault = false;
  int shown = 0, destroyed = 0, parentClosed = 0;

  void SetStatusText(std::string_view text) override {
    status = text;
    statuses.emplace_back(text);
  }
  void SetDetailsText(std::string_view text) override { details = text; }
  void SetDownloadLayout(bool downloading) override { downloadLayout = downloading; }
  void SetProgress(int percent) override { progress.push_back(percent); }
  void SetCloseButtonText(std::string_view text) override { closeText = text; }
  void MakeCloseButtonDefault() override { closeIsDefault = true; }
  void SetStartButtonText(std::string_view text) override { startText = text; }
  void ShowStartButton(bool on) override { startShown = on; }
  void EnableStartButton(bool on) override { startEnabled = on; }
  void ShowDontAskAgain(bool on, bool ticked) override {
    dontAskShown = on;
    dontAskTicked = ticked;
  }
  void ShowWindow() override { ++shown; }
  void DestroyWindow() override { ++destroyed; }
  void CloseParentWindow() override { ++parentClosed; }
};

class RecordingUpdateObserver final : public UnknownImpl<IUpdateObserver> {
 public:
  int installersStarted = 0;
  int windowsClosed = 0;
  void OnInstallerStarted(CApplUpdateInfo&) override { ++installersStarted; }
  void OnUpdateWindowClosed(CApplUpdateInfo&) override { ++windowsClosed; }
};

// The window thread of a test: calls posted by workers wait here until the test runs them.
class PostedCalls {
 public:
  void Post(std::function<void()> call) {
    {
      std::lock_guard lock(mutex_);
      calls_.push_back(std::move(call));
    }
    arrived_.notify_one();
  }

  // Runs posted calls until the condition holds; false when it does not within the time.
  bool RunUntil(const std::function<bool()>& condition,
                std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
      std::unique_lock lock(mutex_);
      if (!arrived_.wait_until(lock, deadline, [this] { return !calls_.empty(); })) return false;
      std::function<void()> call = std::move(calls_.front());
      calls_.pop_front();
      lock.unlock();
      call();
    }
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<std::function<void()>> calls_;
};

// A translator state on a simulator that answers the update commands, and update windows
// without widgets whose posted calls the test runs.
struct UpdateFixture : LoginFixture {
  explicit UpdateFixture(std::initializer_list<std::pair<std::string_view, std::string_view>>
                             stored = {{"UsrInf1", "demo"}, {"UsrInf2", kStoredDemoDigest}})
      : LoginFixture(stored) {
    sim::RegisterUpdateCommands(sim_);
  }
  ~UpdateFixture() {
    if (update_) WaitUntilIdle();
  }

  sim::SimUpdate& Offer() { return sim_.context().update; }

  CApplUpdateInfo& Open(UpdateWindowOptions options = {}) {
    UpdateHooks hooks;
    hooks.connections = connections_;
    hooks.opener = opener_;
    hooks.observer = updateObserver_;
    hooks.post = [calls = calls_](std::function<void()> call) { calls->Post(std::move(call)); };
    update_ = MakeRef<CApplUpdateInfo>(*state_, std::move(hooks), options);
    update_->Open(view_);
    return *update_;
  }

  // Runs the posted calls until the window reaches the state.
  bool Reach(UpdateState state) {
    return calls_->RunUntil([&] { return update_->State() == state && !update_->IsBusy(); });
  }
  // Waits, running no posted call, until the condition holds; whether it did in time.
  static bool Poll(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!condition()) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }
  // Until the worker has ended (after the window closed nothing is posted).
  void WaitUntilIdle() {
    Poll([this] { return !update_->IsBusy(); });
  }

  std::shared_ptr<PostedCalls> calls_ = std::make_shared<PostedCalls>();
  std::shared_ptr<RecordingOpener> opener_ = std::make_shared<RecordingOpener>();
  RefPtr<RecordingUpdateObserver> updateObserver_ = MakeRef<RecordingUpdateObserver>();
  RecordingUpdateView view_;
  RefPtr<CApplUpdateInfo> update_;
};

}  // namespace vorla::test

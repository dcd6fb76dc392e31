#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "config/MemorySettingsStore.h"

namespace vorla::test {

// Settings in memory that call a test's watcher after each write, on the writing thread: a
// value the service's answer brings is stored the moment that answer has been read, so a
// test can act exactly between the answer and what the job does with it.
class WatchedSettingsStore final : public SettingsStore {
 public:
  using Watcher = std::function<void(std::string_view name, std::string_view value)>;

  std::optional<std::string> ReadValue(std::string_view name) const override {
    return store_.ReadValue(name);
  }
  bool WriteValue(std::string_view name, std::string_view value) override {
    const bool written = store_.WriteValue(name, value);
    Watcher watcher;
    {
      std::lock_guard lock(mutex_);
      watcher = watcher_;
    }
    if (watcher) watcher(name, value);
    return written;
  }
  bool DeleteValue(std::string_view name) override { return store_.DeleteValue(name); }

  void Watch(Watcher watcher) {
    std::lock_guard lock(mutex_);
    watcher_ = std::move(watcher);
  }

 private:
  MemorySettingsStore store_;
  std::mutex mutex_;
  Watcher watcher_;
};

}  // namespace vorla::test

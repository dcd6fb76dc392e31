#pragma once

#include <cstdint>
#include <memory>

#include "common/Clock.h"

namespace vorla {

// Keeps progress updates at least 50 ms apart, so that a fast transfer does not flood the
// window with updates.
class ProgressThrottle {
 public:
  static constexpr std::int64_t kIntervalMs = 50;

  explicit ProgressThrottle(std::shared_ptr<const Clock> clock) : clock_(std::move(clock)) {}

  // Accepts an update when there was none before or more than 50 ms have passed since the
  // last accepted one; a refused update is only counted.
  bool Allow();
  void Reset();
  int Suppressed() const { return suppressed_; }

 private:
  std::shared_ptr<const Clock> clock_;
  std::int64_t lastAccepted_ = -1;
  int suppressed_ = 0;
};

}  // namespace vorla

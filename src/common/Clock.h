#pragma once

#include <cstdint>

namespace vorla {

// A clock of milliseconds that only moves forward, for throttling; tests plug in their own.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual std::int64_t NowMilliseconds() const = 0;
};

// The steady clock of the process.
class SteadyClock final : public Clock {
 public:
  std::int64_t NowMilliseconds() const override;
};

}  // namespace vorla

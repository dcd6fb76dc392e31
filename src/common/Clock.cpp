#include "common/Clock.h"

#include <chrono>

namespace vorla {

std::int64_t SteadyClock::NowMilliseconds() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace vorla

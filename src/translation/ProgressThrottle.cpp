#include "translation/ProgressThrottle.h"

namespace vorla {

bool ProgressThrottle::Allow() {
  const std::int64_t now = clock_->NowMilliseconds();
  if (lastAccepted_ >= 0 && now - lastAccepted_ <= kIntervalMs) {
    ++suppressed_;
    return false;
  }
  lastAccepted_ = now;
  return true;
}

void ProgressThrottle::Reset() {
  lastAccepted_ = -1;
  suppressed_ = 0;
}

}  // namespace vorla

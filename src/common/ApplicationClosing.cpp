#include "common/ApplicationClosing.h"

#include <atomic>

namespace vorla {

namespace {
std::atomic<bool> closing{false};
}

void SetApplicationClosing() {
  closing.store(true);
}

bool IsApplicationClosing() {
  return closing.load();
}

}  // namespace vorla

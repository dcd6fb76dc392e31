#include "config/SessionCounter.h"

#include <limits>

namespace vorla {

int CountProgramStart(Settings& settings) {
  constexpr std::string_view kSessionCounterValue = "SesInf1";
  const int stored = settings.ReadInteger(kSessionCounterValue, 0);
  // A damaged or exhausted counter starts again at 1 instead of overflowing.
  const int next = stored < 0 || stored == std::numeric_limits<int>::max() ? 1 : stored + 1;
  settings.WriteInteger(kSessionCounterValue, next);
  return next;
}

}  // namespace vorla

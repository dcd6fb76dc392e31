#include "translation/ProgressFigures.h"

namespace vorla {

namespace {
constexpr std::int64_t kKilobyte = 1024;
}

std::optional<int> ProgressPercent(std::int64_t done, std::int64_t total) {
  if (total <= 0) return std::nullopt;
  return static_cast<int>(done * 100 / total);
}

std::string ProgressDetail(std::int64_t done, std::int64_t total) {
  const std::optional<int> percent = ProgressPercent(done, total);
  if (!percent || total <= kKilobyte) return {};
  return std::to_string(done / kKilobyte) + "KB / " + std::to_string(total / kKilobyte) + "KB  (" +
         std::to_string(*percent) + "%)";
}

}  // namespace vorla

#include "translation/WebAddressHistory.h"

#include <algorithm>
#include <span>

#include "common/Utf8.h"

namespace vorla {

bool WebAddressHistory::Remember(std::string_view text) {
  if (Utf8CharacterCount(text) < kShortestRemembered) return false;
  const auto used = std::span(slots_).first(count_);
  if (std::ranges::find(used, text) != used.end()) return false;
  newest_ = (newest_ + 1) % kCapacity;
  slots_[newest_] = std::string(text);
  count_ = std::min(count_ + 1, kCapacity);
  return true;
}

std::vector<std::string> WebAddressHistory::NewestFirst() const {
  std::vector<std::string> entries;
  entries.reserve(count_);
  for (std::size_t back = 0; back < count_; ++back) {
    entries.push_back(slots_[(newest_ + kCapacity - back) % kCapacity]);
  }
  return entries;
}

}  // namespace vorla

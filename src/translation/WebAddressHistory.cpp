#include "translation/WebAddressHistory.h"

#include <algorithm>
#include <span>

#include "common/Utf8.h"

namespace vorla {

namespace {

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::ranges::count_if(text, [](char byte) { return !IsUtf8ContinuationByte(byte); }));
}

}  // namespace

bool WebAddressHistory::Remember(std::string_view text) {
  if (CharacterCount(text) < kShortestRemembered) return false;
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

#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <unordered_map>

namespace vorla {

// Values stored once each and referred to by index: Intern gives an equal value the index of
// the first. The values never move, so a table growing by one value costs that value and an
// index entry, not a copy of the table.
template <class Value, class Hash>
class InternTable {
 public:
  std::uint32_t Intern(const Value& value) {
    const std::size_t hash = Hash{}(value);
    const auto [first, last] = index_.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      if (values_[it->second] == value) return it->second;
    }
    if (values_.size() >= kMaxValues) throw std::length_error("too many distinct values");
    const auto index = static_cast<std::uint32_t>(values_.size());
    values_.push_back(value);
    index_.emplace(hash, index);
    return index;
  }

  const Value& operator[](std::uint32_t index) const { return values_[index]; }

 private:
  static constexpr std::size_t kMaxValues = std::size_t{1} << 31;
  std::deque<Value> values_;
  std::unordered_multimap<std::size_t, std::uint32_t> index_;  // by the values' hashes
};

}  // namespace vorla

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vorla {

enum class AttributeSide { Source, Target };

struct AttributePair {
  std::uint8_t code = 0;
  std::uint8_t value = 0;

  friend bool operator==(const AttributePair&, const AttributePair&) = default;
};

// Up to ten (code, value) pairs in insertion order, each code at most once.
class AttributeList {
 public:
  static constexpr std::size_t kCapacity = 10;

  // Whether the stream can carry the pair: the word class lives in the entry's scat, and a
  // code 0 or 255 or a value above 253 (written plus 1) would be read as a record's end or
  // as a section's end.
  static bool CanHold(int code, int value);

  // Replaces the value of a listed code, else appends the pair while fewer than ten are
  // listed; a pair the list cannot hold is ignored.
  void Set(int code, int value);
  // The value of a code, or -1.
  int Get(int code) const;
  // Deletes the pair; later pairs move up.
  void Remove(int code);

  std::span<const AttributePair> pairs() const { return {pairs_.data(), count_}; }
  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  friend bool operator==(const AttributeList& a, const AttributeList& b) {
    return std::ranges::equal(a.pairs(), b.pairs());
  }

 private:
  std::array<AttributePair, kCapacity> pairs_{};
  std::size_t count_ = 0;
};

}  // namespace vorla

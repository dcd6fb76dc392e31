#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// The web addresses translated in this run, for the web dialog's list: a ring of the last
// 20, never stored.
class WebAddressHistory {
 public:
  static constexpr std::size_t kCapacity = 20;
  // Shorter entries are translated but not remembered.
  static constexpr std::size_t kShortestRemembered = 5;

  // Makes the text (UTF-8, as entered) the newest entry, overwriting the oldest once the
  // ring is full; false, and nothing changed, when it is short or already there (case
  // counts).
  bool Remember(std::string_view text);
  // The entries, newest first.
  std::vector<std::string> NewestFirst() const;

 private:
  std::array<std::string, kCapacity> slots_;
  std::size_t count_ = 0;
  // The slot of the newest entry; meaningless while the ring is empty.
  std::size_t newest_ = kCapacity - 1;
};

}  // namespace vorla

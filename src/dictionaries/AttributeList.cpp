#include "dictionaries/AttributeList.h"

#include <algorithm>

#include "dictionaries/AttributeCodes.h"

namespace vorla {

bool AttributeList::CanHold(int code, int value) {
  return code > 0 && code < 0xFF && code != attr::kSCat && value >= 0 && value <= 0xFD;
}

void AttributeList::Set(int code, int value) {
  if (!CanHold(code, value)) return;
  const auto pair =
      AttributePair{static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value)};
  for (std::size_t i = 0; i < count_; ++i) {
    if (pairs_[i].code == pair.code) {
      pairs_[i].value = pair.value;
      return;
    }
  }
  if (count_ < kCapacity) pairs_[count_++] = pair;
}

int AttributeList::Get(int code) const {
  for (const AttributePair& pair : pairs()) {
    if (pair.code == code) return pair.value;
  }
  return -1;
}

void AttributeList::Remove(int code) {
  for (std::size_t i = 0; i < count_; ++i) {
    if (pairs_[i].code == code) {
      std::copy(pairs_.begin() + i + 1, pairs_.begin() + count_, pairs_.begin() + i);
      --count_;
      return;
    }
  }
}

}  // namespace vorla

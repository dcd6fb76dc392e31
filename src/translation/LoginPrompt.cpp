#include "translation/LoginPrompt.h"

namespace vorla {

std::string PasswordPlaceholder(int storedLength) {
  constexpr int kDefaultLength = 6;
  constexpr int kLongest = 63;
  const int length = storedLength >= 1 && storedLength <= kLongest ? storedLength : kDefaultLength;
  return std::string(static_cast<std::size_t>(length), 'X');
}

}  // namespace vorla

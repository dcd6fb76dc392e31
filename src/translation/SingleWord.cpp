#include "translation/SingleWord.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxLength = 99;
// Tab, line feed, carriage return, space and no-break space.
constexpr std::string_view kTrimmed = "\t\n\r \xA0";
// Anything that separates words: blanks, punctuation, and the ellipsis, bullet, guillemets
// and middle dot of Windows-1252.
constexpr std::string_view kSeparators = "\t\n\r !,.:;?|\x85\x95\xA0\xAB\xB7\xBB";

}  // namespace

bool IsSingleWord(std::string_view text) {
  if (text.size() > kMaxLength) return false;
  const std::size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return false;
  const std::size_t last = text.find_last_not_of(kTrimmed);
  return text.substr(first, last - first + 1).find_first_of(kSeparators) == std::string_view::npos;
}

}  // namespace vorla

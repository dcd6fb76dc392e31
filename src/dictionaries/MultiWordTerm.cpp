#include "dictionaries/MultiWordTerm.h"

#include <algorithm>
#include <array>
#include <vector>

#include "dictionaries/AttributeCodes.h"
#include "dictionaries/Words.h"

namespace vorla {

namespace {

// Sorted, for binary search.
constexpr std::array<std::string_view, 55> kPrepositions = {
    "about",       "above",     "across", "after",   "against",   "along",  "amid",    "amidst",
    "among",       "amongst",   "around", "as",      "at",        "atop",   "before",  "behind",
    "below",       "beneath",   "beside", "besides", "between",   "beyond", "by",      "concerning",
    "considering", "despite",   "during", "except",  "following", "for",    "from",    "in",
    "inside",      "into",      "like",   "near",    "of",        "off",    "on",      "onto",
    "over",        "regarding", "round",  "since",   "through",   "till",   "to",      "toward",
    "under",       "up",        "upon",   "via",     "with",      "within", "without",
};

// A text of this length takes the verb rule whatever its word class.
constexpr std::size_t kVerbRuleLength = 199;

std::string JoinRange(const std::vector<std::string_view>& words, std::size_t from,
                      std::size_t to) {
  return JoinWords(std::span(words).subspan(from, to - from));
}

MultiWordParts SplitAtStar(std::string_view text, std::size_t star) {
  const std::size_t blank = text.find_last_of(' ', star);
  const std::size_t headStart = blank == std::string_view::npos ? 0 : blank + 1;
  const auto before = SplitWords(text.substr(0, headStart));
  const auto after = SplitWords(text.substr(star + 1));
  return {std::string(text.substr(headStart, star - headStart)), JoinWords(before),
          JoinWords(after)};
}

}  // namespace

bool IsPreposition(std::string_view word) {
  return std::binary_search(kPrepositions.begin(), kPrepositions.end(), word);
}

MultiWordParts SplitMultiWordTerm(std::string_view text, int scat) {
  if (const std::size_t star = text.find('*'); star != std::string_view::npos) {
    return SplitAtStar(text, star);
  }
  const auto words = SplitWords(text);
  if (words.size() < 2) return {JoinWords(words), {}, {}};
  if (scat == word_class::kVerb || text.size() >= kVerbRuleLength) {
    return {std::string(words[0]), {}, JoinRange(words, 1, words.size())};
  }
  std::size_t head = words.size() - 1;
  std::size_t complement = words.size();
  for (std::size_t i = 1; i + 1 < words.size(); ++i) {
    if (IsPreposition(words[i])) {
      head = i - 1;
      complement = i;
      break;
    }
  }
  return {std::string(words[head]), JoinRange(words, 0, head),
          JoinRange(words, complement, words.size())};
}

std::string JoinMultiWordTerm(const MultiWordParts& parts, int scat) {
  std::string source = parts.modifier.empty() ? parts.head : parts.modifier + " " + parts.head;
  bool star = false;
  if (scat == word_class::kVerb) {
    star = !parts.modifier.empty();
  } else {
    const auto modifier = SplitWords(parts.modifier);
    star = std::ranges::any_of(modifier, IsPreposition);
    const auto complement = SplitWords(parts.complement);
    if (!complement.empty()) star = star || !IsPreposition(complement.front());
  }
  if (star) source.push_back('*');
  if (!parts.complement.empty()) source.append(" ").append(parts.complement);
  return source;
}

}  // namespace vorla

#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "DictionaryStore.h"

namespace vorla::sim {

// The terms and phrases of a job's active dictionaries, which the simulated engine applies
// before its word list. Sources are matched word by word, letter case aside.
class UserTerms {
 public:
  // The Terms and Phrases dictionaries among the identifiers, in their order, that translate
  // the pair (an identifier of another user, kind or direction adds
  // nothing). The first dictionary to give a source decides its translation.
  static UserTerms Active(const DictionaryStore& store, std::string_view user,
                          std::span<const std::int32_t> vocids, std::int32_t sourceLanguage,
                          std::int32_t targetLanguage);

  // Source and target in UTF-8; a source given before keeps its translation.
  void Add(std::string_view source, std::string_view target);
  bool empty() const { return targets_.empty(); }
  // Words of the longest source.
  std::size_t longest() const { return longest_; }

  struct Match {
    std::size_t words = 0;  // how many of the words it covers
    std::string_view target;
  };
  // The longest source that the words begin with.
  std::optional<Match> Longest(std::span<const std::string_view> words) const;

 private:
  std::map<std::string, std::string, std::less<>> targets_;  // by lower-case source
  std::size_t longest_ = 0;                                  // words of the longest source
};

}  // namespace vorla::sim

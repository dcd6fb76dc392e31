#pragma once

#include <optional>
#include <vector>

namespace vorla {

// The two directions that have their own dictionaries; the value indexes a job's
// `actcount` and `actfields`.
enum class DictionaryDirection { EnglishFinnish = 0, FinnishEnglish = 1 };

struct SessionDictionaryInfo {
  int vocid = 0;
  bool hasEntries = false;
};

// What a job takes from the dictionary sets: for each direction the session dictionary and
// the identifiers of the active dictionaries.
class ActiveDictionaryView {
 public:
  virtual ~ActiveDictionaryView() = default;

  // Nothing when the direction has no session dictionary.
  virtual std::optional<SessionDictionaryInfo> GetSessionDictionary(
      DictionaryDirection direction) const = 0;
  // In the order of the selection.
  virtual std::vector<int> GetActiveDictionaryIds(DictionaryDirection direction) const = 0;
};

// Without dictionary sets nothing is active.
class NoActiveDictionaries final : public ActiveDictionaryView {
 public:
  std::optional<SessionDictionaryInfo> GetSessionDictionary(DictionaryDirection) const override {
    return std::nullopt;
  }
  std::vector<int> GetActiveDictionaryIds(DictionaryDirection) const override { return {}; }
};

}  // namespace vorla

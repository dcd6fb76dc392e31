#pragma once

#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/LexiconInfo.h"

namespace vorla {

// The dictionaries of one direction (English to Finnish or Finnish to English): the list of
// lexicons the user may select, kept in the settings as "EnFiLexInf" or "FiEnLexInf" and
// replaced after every login. Every access holds the set's lock, since the login thread
// replaces the list while windows and editors read it.
class VocabularySet {
 public:
  VocabularySet(RefPtr<Config> config, int srclan, int tgtlan);

  // Parses the stored list; when nothing is stored or nothing parses, the default list of
  // the direction.
  void LoadLexInfo();
  // Replaces the list by the rows of a lexicon information text; returns their number.
  int ParseLexInfo(std::string_view text);
  // Writes the list back as lexicon information text.
  void SaveLexInfo();

  std::vector<LexiconRow> Rows() const;
  // The name to show for a listed name: a domain lexicon under its Finnish name when the
  // interface is Finnish; any other name as it is.
  std::string DisplayName(std::string_view name) const;

 private:
  // The settings value of this pair: "En" or "Fi" for each language, then the suffix.
  std::string ValueName(std::string_view suffix) const;

  RefPtr<Config> config_;
  const int srclan_;
  const int tgtlan_;
  mutable std::recursive_mutex mutex_;
  std::vector<LexiconRow> rows_;
};

}  // namespace vorla

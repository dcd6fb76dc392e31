#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla {

// Lexicon types of a lexicon list row (`voctype`).
inline constexpr int kLexiconDomain = 0;
inline constexpr int kLexiconUser = 1;
inline constexpr int kLexiconSession = 3;

// One lexicon the user may select: a built-in domain lexicon or a user dictionary.
struct LexiconRow {
  int vocid = 0;
  int second = 0;  // carried from the service and written back, otherwise unused
  int voctype = kLexiconDomain;
  int vocsubtype = 0;
  std::string name;  // Windows-1252

  friend bool operator==(const LexiconRow&, const LexiconRow&) = default;
};

// The rows of a lexicon information text: items "vocid:second:voctype:vocsubtype:name"
// separated by ";". The parse stops at an item of 255 bytes or more; it skips items of 4
// bytes or fewer, items without four ":" and rows without a positive `vocid` or a name.
std::vector<LexiconRow> ParseLexiconRows(std::string_view text);

// The lexicon information text of rows, each item followed by ";".
std::string FormatLexiconRows(const std::vector<LexiconRow>& rows);

}  // namespace vorla

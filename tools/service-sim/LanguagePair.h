#pragma once

#include <cstdint>
#include <string_view>

#include "SimAccounts.h"
#include "TextTranslator.h"

namespace vorla::sim {

// The languages a request is translated between and how.
struct PairChoice {
  // 28: not a valid pair (codes of no family or of two families, a local pair other than
  // English-Finnish, Finnish-English and English-Swedish, a further pair of one language);
  // 23: a pair the account may not use.
  std::int32_t status = 0;
  // The languages the answer reports.
  std::int32_t sourceLanguage = 0;
  std::int32_t targetLanguage = 0;
  WordMode mode;
};

// Decides a request's pair for the account. The local pairs need their bit of the account's
// pairs (0x1 English-Finnish, 0x2 Finnish-English, 0x4 English-Swedish); the first further
// list needs account type 3 and the second type 4. With automatic direction (and a local
// pair) English-Finnish or Finnish-English is picked by which language knows more words of
// the text; a tie keeps the pair asked for (English-Finnish when that was English-Swedish).
// Pairs between English, Finnish and Swedish (in any family) that the word list covers are
// translated with it; any other is answered with the text as it is, tagged with the target
// language: "[ru] ".
PairChoice ChoosePair(std::int32_t source, std::int32_t target, bool automatic,
                      const SimAccount& account, std::string_view text);

}  // namespace vorla::sim

#include "LanguagePair.h"

#include <string>
#include <tuple>
#include <utility>

#include "LanguageCodes.h"
#include "Lexicon.h"
#include "ServiceCodes.h"
#include "WordTokenizer.h"

namespace vorla::sim {

namespace {

constexpr int kEnglishFinnishBit = 0x1;
constexpr int kFinnishEnglishBit = 0x2;
constexpr int kEnglishSwedishBit = 0x4;

struct LocalPair {
  std::int32_t source;
  std::int32_t target;
  int bit;
  WordDirection direction;
};

constexpr LocalPair kLocalPairs[] = {
    {kEnglish, kFinnish, kEnglishFinnishBit, WordDirection::EnglishFinnish},
    {kFinnish, kEnglish, kFinnishEnglishBit, WordDirection::FinnishEnglish},
    {kEnglish, kSwedish, kEnglishSwedishBit, WordDirection::EnglishSwedish},
};

const LocalPair* FindLocalPair(std::int32_t source, std::int32_t target) {
  for (const LocalPair& pair : kLocalPairs) {
    if (pair.source == source && pair.target == target) return &pair;
  }
  return nullptr;
}

// English-Finnish or Finnish-English, by which language knows more of the text's words.
std::pair<std::int32_t, std::int32_t> PickDirection(std::int32_t source, std::int32_t target,
                                                    std::string_view text) {
  const Lexicon& lexicon = Lexicon::Shared();
  int english = 0;
  int finnish = 0;
  WordTokenizer tokens(text);
  while (const auto token = tokens.Next()) {
    if (token->kind != TokenKind::Word) continue;
    english += lexicon.IsEnglish(token->text) ? 1 : 0;
    finnish += lexicon.IsFinnish(token->text) ? 1 : 0;
  }
  if (english > finnish) return {kEnglish, kFinnish};
  if (finnish > english) return {kFinnish, kEnglish};
  if (source == kFinnish && target == kEnglish) return {kFinnish, kEnglish};
  return {kEnglish, kFinnish};
}

}  // namespace

PairChoice ChoosePair(std::int32_t source, std::int32_t target, bool automatic,
                      const SimAccount& account, std::string_view text) {
  PairChoice choice;
  const auto family = FamilyOf(source);
  if (!family || family != FamilyOf(target) || source == target) {
    choice.status = status::kInvalidPair;
    return choice;
  }
  if (*family == LanguageFamily::Local) {
    if (!FindLocalPair(source, target)) {
      choice.status = status::kInvalidPair;
      return choice;
    }
    if (automatic) std::tie(source, target) = PickDirection(source, target, text);
    if ((account.pairBits & FindLocalPair(source, target)->bit) == 0) {
      choice.status = status::kPairNotAllowed;
      return choice;
    }
  } else {
    const int needed =
        *family == LanguageFamily::FirstList ? account_type::kFirstList : account_type::kSecondList;
    if (account.accountType != needed) {
      choice.status = status::kPairNotAllowed;
      return choice;
    }
  }
  choice.sourceLanguage = source;
  choice.targetLanguage = target;
  const auto localSource = LocalLanguageOf(source);
  const auto localTarget = LocalLanguageOf(target);
  const LocalPair* covered =
      localSource && localTarget ? FindLocalPair(*localSource, *localTarget) : nullptr;
  if (covered) {
    choice.mode.direction = covered->direction;
  } else {
    choice.mode.tag = "[" + std::string(LanguageTag(target)) + "] ";
  }
  return choice;
}

}  // namespace vorla::sim

#include "UserTerms.h"

#include "LetterCase.h"
#include "WordTokenizer.h"
#include "common/Windows1252.h"

namespace vorla::sim {

namespace {

constexpr std::int32_t kTermsDictionary = 0;
constexpr std::int32_t kPhrasesDictionary = 1;

// The words of a text, lower case, joined by single blanks; and how many there are.
std::pair<std::string, std::size_t> Key(std::span<const std::string_view> words) {
  std::string key;
  for (const std::string_view word : words) {
    if (!key.empty()) key += ' ';
    key += LowerCase(word);
  }
  return {key, words.size()};
}

}  // namespace

UserTerms UserTerms::Active(const DictionaryStore& store, std::string_view user,
                            std::span<const std::int32_t> vocids, std::int32_t sourceLanguage,
                            std::int32_t targetLanguage) {
  UserTerms terms;
  for (const std::int32_t vocid : vocids) {
    const auto dictionary = store.Find(user, vocid);
    if (!dictionary || dictionary->srclan != sourceLanguage ||
        dictionary->tgtlan != targetLanguage ||
        (dictionary->vocsubtype != kTermsDictionary &&
         dictionary->vocsubtype != kPhrasesDictionary)) {
      continue;
    }
    for (const StoredTerm& term : dictionary->terms)
      terms.Add(Cp1252ToUtf8(term.source), Cp1252ToUtf8(term.target));
  }
  return terms;
}

void UserTerms::Add(std::string_view source, std::string_view target) {
  std::vector<std::string_view> words;
  WordTokenizer tokens(source);
  while (const auto token = tokens.Next()) {
    if (token->kind != TokenKind::Blank) words.push_back(token->text);
  }
  if (words.empty()) return;
  const auto [key, count] = Key(words);
  if (targets_.try_emplace(key, target).second) longest_ = std::max(longest_, count);
}

std::optional<UserTerms::Match> UserTerms::Longest(std::span<const std::string_view> words) const {
  for (std::size_t count = std::min(longest_, words.size()); count > 0; --count) {
    const auto found = targets_.find(Key(words.first(count)).first);
    if (found != targets_.end()) return Match{count, found->second};
  }
  return std::nullopt;
}

}  // namespace vorla::sim

#include "translation/LanguageSelection.h"

#include <algorithm>

#include "common/Bilingual.h"
#include "translation/FurtherLanguages.h"
#include "translation/LanguageNames.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr std::string_view kSeparatorLine = "------";
constexpr BilingualText kSameLanguage{"The source and target languages cannot be the same!",
                                      "Lähtö- ja kohdekieli eivät saa olla samoja!"};

using Kind = LanguageEntry::Kind;

LanguageEntry LanguageLine(int code, UiLanguage language) {
  return {Kind::Language, LanguageName(code, language), code};
}

void AppendFurtherLanguages(std::vector<LanguageEntry>& entries, int accountType,
                            UiLanguage language) {
  const LanguageFamily list = FurtherListOf(accountType);
  if (list == LanguageFamily::Local) return;
  entries.push_back({Kind::Separator, kSeparatorLine, kLanguageInvalidChoice});
  for (const FurtherLanguage* further : FurtherLanguagesInOrder(list, language)) {
    entries.push_back({Kind::Language, further->name.In(language), further->code});
  }
}

// English and Finnish of a further list count as the local ones.
int AsLocal(int code) {
  if (IsEnglish(code)) return kLanguageEnglish;
  if (IsFinnish(code)) return kLanguageFinnish;
  return code;
}

bool IsLocal(int code) {
  return FamilyOf(code) == LanguageFamily::Local;
}

}  // namespace

std::vector<LanguageEntry> SourceLanguageEntries(int accountType, int bits, UiLanguage language) {
  std::vector<LanguageEntry> entries;
  if (BothEnglishFinnishDirections(bits)) {
    entries.push_back({Kind::AutoSelection, AutoSelectionName(language), kLanguageInvalidChoice});
  }
  if (bits & kPairEnglishFinnish) entries.push_back(LanguageLine(kLanguageEnglish, language));
  if (bits & kPairFinnishEnglish) entries.push_back(LanguageLine(kLanguageFinnish, language));
  AppendFurtherLanguages(entries, accountType, language);
  return entries;
}

std::vector<LanguageEntry> TargetLanguageEntries(int accountType, int bits, UiLanguage language) {
  std::vector<LanguageEntry> entries;
  if (bits & kPairEnglishFinnish) entries.push_back(LanguageLine(kLanguageFinnish, language));
  if (bits & kPairFinnishEnglish) entries.push_back(LanguageLine(kLanguageEnglish, language));
  AppendFurtherLanguages(entries, accountType, language);
  return entries;
}

std::optional<std::size_t> IndexOfLanguage(const std::vector<LanguageEntry>& entries, int code) {
  const auto found = std::ranges::find_if(entries, [code](const LanguageEntry& e) {
    return e.kind == Kind::Language && e.code == code;
  });
  if (found == entries.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries.begin());
}

bool IsSameLanguagePair(const LanguagePair& pair) {
  return !pair.automatic && AsLocal(pair.source) == AsLocal(pair.target);
}

std::string_view SameLanguageMessage(UiLanguage language) {
  return kSameLanguage.In(language);
}

LanguageSelection::LanguageSelection(TranslatorState& state, UiLanguage language)
    : state_(state), language_(language) {}

std::vector<LanguageEntry> LanguageSelection::SourceEntries() const {
  return SourceLanguageEntries(state_.GetAccountType(), state_.GetAvailablePairs(), language_);
}

std::vector<LanguageEntry> LanguageSelection::TargetEntries() const {
  return TargetLanguageEntries(state_.GetAccountType(), state_.GetAvailablePairs(), language_);
}

std::optional<std::size_t> LanguageSelection::SelectedSource() const {
  const std::vector<LanguageEntry> entries = SourceEntries();
  const LanguagePair pair = state_.GetPair();
  if (pair.automatic && !entries.empty() && entries.front().kind == Kind::AutoSelection) return 0;
  return IndexOfLanguage(entries, pair.source);
}

std::optional<std::size_t> LanguageSelection::SelectedTarget() const {
  return IndexOfLanguage(TargetEntries(), state_.GetTargetLanguage());
}

bool LanguageSelection::TargetEnabled() const {
  return !state_.GetAutoDirection();
}

void LanguageSelection::ChooseSource(std::size_t index) {
  const std::vector<LanguageEntry> entries = SourceEntries();
  if (index >= entries.size()) return;
  const LanguageEntry& entry = entries[index];
  LanguagePair pair = state_.GetPair();
  pair.automatic = entry.kind == Kind::AutoSelection;
  if (pair.automatic) {
    pair.source = kLanguageEnglish;
    pair.target = kLanguageFinnish;
  } else {
    pair.source = entry.code;
    // A local target becomes the other of English and Finnish.
    if (entry.kind == Kind::Language && IsLocal(entry.code) && IsLocal(pair.target)) {
      pair.target = entry.code == kLanguageEnglish ? kLanguageFinnish : kLanguageEnglish;
    }
  }
  state_.ChoosePair(pair);
}

void LanguageSelection::ChooseTarget(std::size_t index) {
  const std::vector<LanguageEntry> entries = TargetEntries();
  if (index >= entries.size()) return;
  const LanguageEntry& entry = entries[index];
  LanguagePair pair = state_.GetPair();
  pair.automatic = false;
  pair.target = entry.code;
  if (entry.kind == Kind::Language && IsLocal(entry.code) && IsLocal(pair.source)) {
    pair.source = entry.code == kLanguageEnglish ? kLanguageFinnish : kLanguageEnglish;
  }
  state_.ChoosePair(pair);
}

std::optional<std::string_view> LanguageSelection::CheckOk() const {
  if (!IsSameLanguagePair(state_.GetPair())) return std::nullopt;
  return SameLanguageMessage(language_);
}

bool LanguageSelection::ShowsProviderNotice() const {
  const LanguagePair pair = state_.GetPair();
  return state_.GetAccountType() == kAccountFirstList && !pair.automatic &&
         (!IsLocal(pair.source) || !IsLocal(pair.target));
}

}  // namespace vorla

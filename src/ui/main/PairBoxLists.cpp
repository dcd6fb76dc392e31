#include "ui/main/PairBoxLists.h"

#include <algorithm>
#include <array>

#include "translation/LanguageNames.h"
#include "translation/LanguageSelection.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

using Kind = PairBoxLine::Kind;

constexpr std::string_view kSeparatorLine = "------";

struct Direction {
  LanguageMenuItem item;
  LanguagePair pair;
  int bit;
};

constexpr std::array<Direction, 3> kDirections = {{
    {LanguageMenuItem::EnglishFinnish,
     {kLanguageEnglish, kLanguageFinnish, false},
     kPairEnglishFinnish},
    {LanguageMenuItem::FinnishEnglish,
     {kLanguageFinnish, kLanguageEnglish, false},
     kPairFinnishEnglish},
    {LanguageMenuItem::EnglishSwedish,
     {kLanguageEnglish, kLanguageSwedish, false},
     kPairEnglishSwedish},
}};

const Direction& DirectionOf(LanguageMenuItem item) {
  return *std::ranges::find(kDirections, item, &Direction::item);
}

PairBoxLine LineOf(const LanguageEntry& entry) {
  switch (entry.kind) {
    case LanguageEntry::Kind::AutoSelection:
      return {Kind::AutoSelection, entry.text};
    case LanguageEntry::Kind::Separator:
      return {Kind::Separator, entry.text};
    case LanguageEntry::Kind::Language:
      break;
  }
  return {Kind::Language, entry.text, LanguageMenuItem::EnglishFinnish, entry.code};
}

std::vector<PairBoxLine> LinesOf(const std::vector<LanguageEntry>& entries) {
  std::vector<PairBoxLine> lines;
  std::ranges::transform(entries, std::back_inserter(lines), LineOf);
  return lines;
}

std::optional<std::size_t> IndexWhere(const std::vector<PairBoxLine>& lines, auto predicate) {
  const auto found = std::ranges::find_if(lines, predicate);
  if (found == lines.end()) return std::nullopt;
  return static_cast<std::size_t>(found - lines.begin());
}

}  // namespace

PairBoxLists::PairBoxLists(TranslatorState& state, UiLanguage language)
    : state_(state), language_(language) {}

bool PairBoxLists::HasFurtherLanguages() const {
  return FurtherListOf(state_.GetAccountType()) != LanguageFamily::Local;
}

std::vector<PairBoxLine> PairBoxLists::FirstList() const {
  if (HasFurtherLanguages()) return LinesOf(LanguageSelection(state_, language_).SourceEntries());
  const int bits = state_.GetAvailablePairs();
  std::vector<PairBoxLine> lines;
  const bool automatic = BothEnglishFinnishDirections(bits);
  if (automatic) lines.push_back({Kind::AutoSelection, AutoSelectionName(language_)});
  for (const Direction& direction : kDirections) {
    if (!(bits & direction.bit)) continue;
    if (direction.item == LanguageMenuItem::EnglishSwedish && automatic) {
      lines.push_back({Kind::Separator, kSeparatorLine});
    }
    lines.push_back({Kind::Direction, DirectionName(direction.pair, language_), direction.item});
  }
  return lines;
}

std::vector<PairBoxLine> PairBoxLists::TargetList() const {
  if (!HasFurtherLanguages()) return {};
  std::vector<PairBoxLine> lines = LinesOf(LanguageSelection(state_, language_).TargetEntries());
  // The box lists English before Finnish, as its source list does.
  const auto locals = std::ranges::find(lines, Kind::Separator, &PairBoxLine::kind);
  std::ranges::sort(lines.begin(), locals, {}, &PairBoxLine::code);
  return lines;
}

std::optional<std::size_t> PairBoxLists::SelectedFirst() const {
  if (HasFurtherLanguages()) return LanguageSelection(state_, language_).SelectedSource();
  const LanguagePair pair = state_.GetPair();
  const std::vector<PairBoxLine> lines = FirstList();
  if (pair.automatic && !lines.empty() && lines.front().kind == Kind::AutoSelection) return 0;
  return IndexWhere(lines, [&pair](const PairBoxLine& line) {
    const LanguagePair& direction = DirectionOf(line.direction).pair;
    return line.kind == Kind::Direction && direction.source == pair.source &&
           direction.target == pair.target;
  });
}

std::optional<std::size_t> PairBoxLists::SelectedTarget() const {
  const int target = state_.GetTargetLanguage();
  return IndexWhere(TargetList(), [target](const PairBoxLine& line) {
    return line.kind == Kind::Language && line.code == target;
  });
}

bool PairBoxLists::TargetEnabled() const {
  return !state_.GetAutoDirection();
}

void PairBoxLists::ChooseFirst(std::size_t index) {
  if (HasFurtherLanguages()) {
    LanguageSelection(state_, language_).ChooseSource(index);
    return;
  }
  const std::vector<PairBoxLine> lines = FirstList();
  if (index >= lines.size()) return;
  switch (lines[index].kind) {
    case Kind::AutoSelection:
      ChooseMenuItem(state_, LanguageMenuItem::AutoSelection);
      break;
    case Kind::Direction:
      ChooseMenuItem(state_, lines[index].direction);
      break;
    case Kind::Language:
    case Kind::Separator:
      break;
  }
}

void PairBoxLists::ChooseTarget(std::size_t index) {
  const std::vector<PairBoxLine> lines = TargetList();
  if (index >= lines.size()) return;
  // The dialog's target list holds the same lines in its own order.
  LanguageSelection selection(state_, language_);
  const std::vector<LanguageEntry> entries = selection.TargetEntries();
  const auto same = std::ranges::find_if(entries, [&line = lines[index]](const LanguageEntry& e) {
    return LineOf(e).kind == line.kind && e.code == line.code;
  });
  if (same != entries.end())
    selection.ChooseTarget(static_cast<std::size_t>(same - entries.begin()));
}

}  // namespace vorla

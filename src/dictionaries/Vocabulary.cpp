#include "dictionaries/Vocabulary.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "dictionaries/RuleTypes.h"
#include "dictionaries/UserDisambRuleEntry.h"
#include "dictionaries/UserLexicalRuleEntry.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/VocabularyPhraseEntry.h"

namespace vorla {

namespace {

// Orders entries (owned or viewed) and texts by source. std::string_view compares through
// char_traits<char>, which compares bytes as unsigned char: "zebra" sorts before "Äiti".
struct SourceOrder {
  static std::string_view Key(const std::unique_ptr<VocabularyEntry>& e) { return e->source; }
  static std::string_view Key(const VocabularyEntry* e) { return e->source; }
  static std::string_view Key(std::string_view text) { return text; }
  template <class A, class B>
  bool operator()(const A& a, const B& b) const {
    return Key(a) < Key(b);
  }
};

std::string_view HeadOf(const VocabularyEntry* entry) {
  return static_cast<const VocabularyCompEntry*>(entry)->head;
}

}  // namespace

void Vocabulary::Reset(int pid) {
  header = VocabularyHeader{};
  header.pid = pid;
  DeleteAll();
}

void Vocabulary::DeleteAll() {
  simpleTerms_.clear();
  compTerms_.clear();
  entries_.clear();
}

std::unique_ptr<VocabularyEntry> Vocabulary::MakeEntry(std::string_view text, int wordClass,
                                                       int ruleType) const {
  if (wordClass < 0 || wordClass >= word_class::kCount) return nullptr;
  const DictionaryKind kind = header.vocsubtype;
  const bool rule = kind == DictionaryKind::ContextRules || kind == DictionaryKind::Disambiguation;
  // A rule of a type its record cannot carry would make the whole dictionary unreadable.
  if (rule && !IsRuleTypeOf(kind, ruleType)) return nullptr;
  std::unique_ptr<VocabularyEntry> entry;
  switch (kind) {
    case DictionaryKind::Phrases:
      return std::make_unique<VocabularyPhraseEntry>();
    case DictionaryKind::ContextRules:
      entry = std::make_unique<UserLexicalRuleEntry>();
      entry->ruletype = ruleType;
      break;
    case DictionaryKind::Disambiguation:
      entry = std::make_unique<UserDisambRuleEntry>();
      entry->ruletype = ruleType;
      break;
    case DictionaryKind::Normal:
      if (text.find(' ') != std::string_view::npos) {
        entry = std::make_unique<VocabularyCompEntry>();
      } else if (wordClass != word_class::kNoSCat) {
        entry = std::make_unique<VocabularyEntry>();
      } else {
        return nullptr;
      }
      break;
  }
  // The word class comes first: it decides how a multi-word term splits.
  if (entry) entry->scat = wordClass;
  return entry;
}

CreatedEntry Vocabulary::CreateEntry(std::string_view text, int wordClass, int ruleType,
                                     bool replace) {
  auto entry = MakeEntry(text, wordClass, ruleType);
  if (!entry || !entry->SetSource(text)) return {};
  return Insert(std::move(entry), replace);
}

CreatedEntry Vocabulary::CreateUniqueEntry(std::string_view text) {
  constexpr int kLastSuffix = 999;
  const DictionaryKind kind = header.vocsubtype;
  if (kind != DictionaryKind::Normal && kind != DictionaryKind::Phrases) return {};
  for (int suffix = 0; suffix <= kLastSuffix; ++suffix) {
    const std::string name =
        suffix == 0 ? std::string(text) : std::string(text) + std::to_string(suffix);
    if (CreatedEntry created = CreateEntry(name, word_class::kNoun, 0, false)) return created;
  }
  return {};
}

bool Vocabulary::IsDuplicate(const VocabularyEntry& existing, const VocabularyEntry& entry) const {
  return header.vocsubtype == DictionaryKind::Phrases ||
         (header.vocsubtype == DictionaryKind::Normal && existing.scat == entry.scat);
}

CreatedEntry Vocabulary::Insert(std::unique_ptr<VocabularyEntry> entry, bool replace) {
  const auto [first, last] =
      std::equal_range(entries_.begin(), entries_.end(), entry->source, SourceOrder{});
  VocabularyEntry* added = entry.get();
  for (auto it = first; it != last; ++it) {
    if (!IsDuplicate(**it, *added)) continue;
    if (!replace) return {};
    // Equal source and word class: the same class and the same place in its view.
    std::ranges::replace(simpleTerms_, it->get(), added);
    std::ranges::replace(compTerms_, it->get(), added);
    *it = std::move(entry);
    return {added, static_cast<int>(it - entries_.begin())};
  }
  const auto it = entries_.insert(last, std::move(entry));
  AddToView(added);
  return {added, static_cast<int>(it - entries_.begin())};
}

void Vocabulary::AddToView(VocabularyEntry* entry) {
  if (entry->entryclass == EntryClass::Term) {
    simpleTerms_.insert(
        std::upper_bound(simpleTerms_.begin(), simpleTerms_.end(), entry->source, SourceOrder{}),
        entry);
  } else if (entry->entryclass == EntryClass::CompTerm) {
    const auto place = std::ranges::find_if(
        compTerms_,
        [head = HeadOf(entry)](const VocabularyEntry* e) { return !(HeadOf(e) < head); });
    compTerms_.insert(place, entry);
  }
}

void Vocabulary::RemoveFromViews(const VocabularyEntry* entry) {
  std::erase(simpleTerms_, entry);
  std::erase(compTerms_, entry);
}

bool Vocabulary::RemoveAt(int index) {
  if (index < 0 || index >= count()) return false;
  RemoveFromViews(entries_[static_cast<std::size_t>(index)].get());
  entries_.erase(entries_.begin() + index);
  return true;
}

int Vocabulary::IndexOf(const VocabularyEntry* entry) const {
  const auto it =
      std::ranges::find_if(entries_, [entry](const auto& owned) { return owned.get() == entry; });
  return it == entries_.end() ? -1 : static_cast<int>(it - entries_.begin());
}

int Vocabulary::IndexOfSource(std::string_view source, int wordClass) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), source, SourceOrder{});
  for (; it != entries_.end() && (*it)->source == source; ++it) {
    if (header.vocsubtype == DictionaryKind::Phrases || (*it)->scat == wordClass) {
      return static_cast<int>(it - entries_.begin());
    }
  }
  return -1;
}

void Vocabulary::AppendReadEntry(std::unique_ptr<VocabularyEntry> entry) {
  if (entry->entryclass == EntryClass::Term) simpleTerms_.push_back(entry.get());
  entries_.push_back(std::move(entry));
}

void Vocabulary::InsertReadCompTerms(std::vector<std::unique_ptr<VocabularyEntry>> terms) {
  // Inserting each term by a walk through the list would take quadratic time on a large
  // dictionary. The same result: sort the terms by source (stream order among equal ones),
  // drop the duplicates, and merge them in behind the equal sources already listed.
  const SourceOrder order;
  std::vector<std::size_t> sorted(terms.size());
  std::iota(sorted.begin(), sorted.end(), std::size_t{0});
  std::ranges::stable_sort(
      sorted, order, [&terms](std::size_t i) -> std::string_view { return terms[i]->source; });
  const auto listed = static_cast<std::ptrdiff_t>(entries_.size());
  std::vector<bool> keep(terms.size(), false);
  std::set<std::int32_t> classesOfSource;
  for (std::size_t k = 0; k < sorted.size(); ++k) {
    const VocabularyEntry& term = *terms[sorted[k]];
    if (k == 0 || terms[sorted[k - 1]]->source != term.source) {
      classesOfSource.clear();
      const auto [first, last] =
          std::equal_range(entries_.begin(), entries_.begin() + listed, term.source, order);
      for (auto it = first; it != last; ++it)
        classesOfSource.insert((*it)->scat);
    }
    keep[sorted[k]] = classesOfSource.insert(term.scat).second;
  }
  for (std::size_t i = 0; i < terms.size(); ++i) {
    if (keep[i]) compTerms_.push_back(terms[i].get());
  }
  for (const std::size_t i : sorted) {
    if (keep[i]) entries_.push_back(std::move(terms[i]));
  }
  std::inplace_merge(entries_.begin(), entries_.begin() + listed, entries_.end(), order);
}

}  // namespace vorla

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/DictionaryKind.h"
#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// The header fields of a dictionary; the stream carries all but vocid and the first name.
struct VocabularyHeader {
  std::int32_t version = 2;  // stream format version
  std::int32_t vocid = 0;    // identifier in the lexicon list; 10000 and up for user dictionaries
  std::int32_t voctype = 1;  // 1 user dictionary, 3 session dictionary, 0 built-in lexicon
  DictionaryKind vocsubtype = DictionaryKind::Normal;
  std::int32_t uid = 0;        // the logged-in user when the dictionary was made
  std::int32_t secondUid = 0;  // the session's second account number then
  std::int32_t pid = 0;        // product number of the installation, 0..100
  std::int32_t shtype = 0;     // sharing type the service keeps
  std::int32_t srclan = 0;
  std::int32_t tgtlan = 1;
  std::string name;
  std::string firstName;  // the first name the dictionary was given
  std::string nameCopy;   // rewritten with every rename
  std::string description;
};

// What Search looks for and where; it receives the hit.
struct SearchRecord {
  std::string text;   // the first 255 bytes are looked for
  int wordClass = 0;  // 0: any
  int start = 0;
  bool wholeText = false;
  int pass = 0;  // receives the pass that matched: 0 prefix, 1 anywhere in the text
  int hit = -1;  // receives the index of the match
};

// Where CreateEntry put the new entry: none and -1 when it was refused.
struct CreatedEntry {
  VocabularyEntry* entry = nullptr;
  int position = -1;

  explicit operator bool() const { return entry != nullptr; }
};

// One dictionary: the header and the entries, kept sorted by source as unsigned bytes. In a
// Normal dictionary the one-word terms and the multi-word terms (sorted by head) are also
// listed apart; those views never own entries.
class Vocabulary {
 public:
  explicit Vocabulary(int pid = 0) { Reset(pid); }
  Vocabulary(const Vocabulary&) = delete;
  Vocabulary& operator=(const Vocabulary&) = delete;

  // A new English-to-Finnish Normal user dictionary without entries.
  void Reset(int pid);
  // Deletes every entry; the header stays.
  void DeleteAll();

  // Makes the entry of the dictionary's kind for the text and inserts it in order. Refused:
  // a source the entry cannot take, a word class outside the engine's table (or 0 for a
  // one-word term, whose raw byte would end the one-word section), a rule type the kind's
  // records cannot carry (IsRuleTypeOf), and a duplicate unless replace is given, which then
  // takes the duplicate's place.
  CreatedEntry CreateEntry(std::string_view text, int wordClass, int ruleType, bool replace);
  // A new entry named text, text1, ... text999, whichever is free first (Normal: a one-word
  // noun; Phrases: a phrase). Rule dictionaries allow equal sources and do not use it.
  CreatedEntry CreateUniqueEntry(std::string_view text);
  bool RemoveAt(int index);

  int IndexOf(const VocabularyEntry* entry) const;
  // The first entry with the source (and, except in Phrases, the word class), or -1.
  int IndexOfSource(std::string_view source, int wordClass) const;
  // Prefix matches first, then matches anywhere, ignoring case, from the start index on with
  // wrap-around; nothing when no entry matches.
  std::optional<int> Search(SearchRecord& record) const;

  int count() const { return static_cast<int>(entries_.size()); }
  int simplecount() const { return static_cast<int>(simpleTerms_.size()); }
  int compcount() const { return static_cast<int>(compTerms_.size()); }
  VocabularyEntry& At(int index) { return *entries_[static_cast<std::size_t>(index)]; }
  const VocabularyEntry& At(int index) const { return *entries_[static_cast<std::size_t>(index)]; }
  std::span<VocabularyEntry* const> SimpleTerms() const { return simpleTerms_; }
  std::span<VocabularyEntry* const> CompTerms() const { return compTerms_; }

  // The stream reader's insertions. An entry read from a list section is appended in stream
  // order (a one-word term also to its view).
  void AppendReadEntry(std::unique_ptr<VocabularyEntry> entry);
  // The multi-word terms of a stream, each inserted in order without replace and appended to
  // the multi-word view in stream order; duplicates are deleted.
  void InsertReadCompTerms(std::vector<std::unique_ptr<VocabularyEntry>> terms);

  VocabularyHeader header;

 private:
  std::unique_ptr<VocabularyEntry> MakeEntry(std::string_view text, int wordClass,
                                             int ruleType) const;
  CreatedEntry Insert(std::unique_ptr<VocabularyEntry> entry, bool replace);
  bool IsDuplicate(const VocabularyEntry& existing, const VocabularyEntry& entry) const;
  void AddToView(VocabularyEntry* entry);
  void RemoveFromViews(const VocabularyEntry* entry);

  std::vector<std::unique_ptr<VocabularyEntry>> entries_;
  std::vector<VocabularyEntry*> simpleTerms_;
  std::vector<VocabularyEntry*> compTerms_;
};

}  // namespace vorla

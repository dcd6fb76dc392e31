#include "dictionaries/VocabularyReader.h"

#include <memory>
#include <vector>

#include "dictionaries/DictionaryName.h"
#include "dictionaries/RecordReader.h"
#include "dictionaries/StreamBytes.h"
#include "dictionaries/StreamCount.h"
#include "dictionaries/StreamHeader.h"
#include "dictionaries/UserDisambRuleEntry.h"
#include "dictionaries/VocabularyCompEntry.h"
#include "dictionaries/VocabularyPhraseEntry.h"

namespace vorla {

namespace {

std::unique_ptr<VocabularyEntry> MakeListEntry(DictionaryKind kind) {
  switch (kind) {
    case DictionaryKind::Phrases:
      return std::make_unique<VocabularyPhraseEntry>();
    case DictionaryKind::ContextRules:
      return std::make_unique<UserLexicalRuleEntry>();
    case DictionaryKind::Disambiguation:
      return std::make_unique<UserDisambRuleEntry>();
    case DictionaryKind::Normal:
      break;
  }
  return std::make_unique<VocabularyEntry>();
}

// Reads count records of one class, from just behind the section's count field.
template <class MakeEntry, class Take>
bool ReadRecords(std::string_view section, std::size_t count, MakeEntry make, Take take) {
  RecordReader reader(section, kCountFieldSize);
  for (std::size_t i = 0; i < count; ++i) {
    std::unique_ptr<VocabularyEntry> entry = make();
    if (!entry->ReadRecord(reader)) return false;
    take(std::move(entry));
  }
  return true;
}

bool ReadListBody(Vocabulary& vocabulary, DictionaryKind kind, std::string_view body,
                  std::size_t maxSize) {
  const auto count = ReadCountField(body, maxSize);
  return count &&
         ReadRecords(
             body, *count, [kind] { return MakeListEntry(kind); },
             [&](std::unique_ptr<VocabularyEntry> e) { vocabulary.AppendReadEntry(std::move(e)); });
}

bool ReadNormalBody(Vocabulary& vocabulary, std::string_view body, std::size_t maxSize) {
  const std::size_t sectionEnd = body.find(static_cast<char>(stream_byte::kSectionEnd));
  if (sectionEnd == std::string_view::npos) return false;
  const std::string_view oneWord = body.substr(0, sectionEnd);
  const std::string_view multiWord = body.substr(sectionEnd + 1);
  const auto oneWordCount = ReadCountField(oneWord, maxSize);
  const auto multiWordCount = ReadCountField(multiWord, maxSize);
  if (!oneWordCount || !multiWordCount) return false;
  if (!ReadRecords(
          oneWord, *oneWordCount, [] { return std::make_unique<VocabularyEntry>(); },
          [&](std::unique_ptr<VocabularyEntry> e) { vocabulary.AppendReadEntry(std::move(e)); })) {
    return false;
  }
  std::vector<std::unique_ptr<VocabularyEntry>> terms;
  if (!ReadRecords(
          multiWord, *multiWordCount, [] { return std::make_unique<VocabularyCompEntry>(); },
          [&](std::unique_ptr<VocabularyEntry> e) { terms.push_back(std::move(e)); })) {
    return false;
  }
  vocabulary.InsertReadCompTerms(std::move(terms));
  return true;
}

void ApplyHeader(VocabularyHeader& target, const StreamHeader& read) {
  target.version = read.version;
  target.uid = read.uid;
  target.secondUid = read.secondUid;
  target.voctype = read.voctype;
  target.pid = read.pid;
  target.shtype = read.shtype;
  target.vocsubtype = read.vocsubtype;
  target.srclan = read.srclan;
  target.tgtlan = read.tgtlan;
  if (read.name != target.name) {
    target.name = read.name;
    target.nameCopy = read.name;
    if (target.firstName.empty()) target.firstName = read.name;
  }
  target.description = read.description;
}

}  // namespace

bool ReadVocabulary(Vocabulary& vocabulary, std::string_view bytes, std::size_t maxSize) {
  vocabulary.DeleteAll();
  const auto header = ReadStreamHeader(bytes);
  if (!header || header->version < 2 || header->bodyStart >= bytes.size() ||
      !IsValidDictionaryName(header->name)) {
    return false;
  }
  const std::string_view body = bytes.substr(header->bodyStart);
  const bool read = header->vocsubtype == DictionaryKind::Normal
                        ? ReadNormalBody(vocabulary, body, maxSize)
                        : ReadListBody(vocabulary, header->vocsubtype, body, maxSize);
  if (!read) {
    vocabulary.DeleteAll();
    return false;
  }
  ApplyHeader(vocabulary.header, *header);
  return true;
}

}  // namespace vorla

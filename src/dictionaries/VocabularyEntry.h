#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionaries/AttributeCodes.h"
#include "dictionaries/AttributeList.h"
#include "dictionaries/RecordReader.h"

namespace vorla {

// The class code each entry object carries; code that must tell classes apart tests it.
enum class EntryClass : std::uint32_t {
  Term = 9,          // VocabularyEntry: one-word term
  CompTerm = 10,     // VocabularyCompEntry: multi-word term
  Phrase = 11,       // VocabularyPhraseEntry
  LexicalRule = 16,  // UserLexicalRuleEntry: context rule
  DisambRule = 17,   // UserDisambRuleEntry: disambiguation rule
};

// Text limits in bytes: every text lives in a field of 400 bytes with its terminator.
namespace entry_limit {
inline constexpr std::size_t kField = 399;
inline constexpr std::size_t kText = 199;  // sources and targets of terms and rules
inline constexpr std::size_t kPhrase = 399;
inline constexpr std::size_t kHead = 99;
}  // namespace entry_limit

// One-word term, and the base of every entry class.
class VocabularyEntry {
 public:
  VocabularyEntry() : VocabularyEntry(EntryClass::Term) {}
  virtual ~VocabularyEntry() = default;
  VocabularyEntry(const VocabularyEntry&) = delete;
  VocabularyEntry& operator=(const VocabularyEntry&) = delete;

  // Stores the source of a new entry; false when the text cannot be one.
  virtual bool SetSource(std::string_view text);
  // Appends the entry's record to the stream.
  virtual void WriteRecord(std::string& record);
  // Fills the entry from the record at the reader's position; false on a syntax error.
  virtual bool ReadRecord(RecordReader& reader);

  AttributeList& Attributes(AttributeSide side) {
    return side == AttributeSide::Source ? srcattr : tgtattr;
  }
  const AttributeList& Attributes(AttributeSide side) const {
    return side == AttributeSide::Source ? srcattr : tgtattr;
  }

  const EntryClass entryclass;
  std::int32_t ruletype = 0;
  std::string source;
  std::string target;
  std::int32_t scat = word_class::kNoun;
  AttributeList srcattr;
  AttributeList tgtattr;

 protected:
  explicit VocabularyEntry(EntryClass entryClass) : entryclass(entryClass) {}

  // The common end of a record: [source attributes], 0x03, target, [target attributes], 0xFF.
  void WriteTail(std::string& record) const;
  bool ReadTail(RecordReader& reader, std::size_t targetLimit);
  // From the target on: target, [target attributes], 0xFF.
  void WriteTargetPart(std::string& record) const;
  bool ReadTargetPart(RecordReader& reader, std::size_t targetLimit);
};

// A term or rule source without its final '*' marks; empty when nothing else is left.
std::string_view WithoutFinalStar(std::string_view text);

// Blanks as '_' (phrase and rule sources, context words in stored form), and back.
std::string BlanksToUnderscores(std::string_view text);
std::string UnderscoresToBlanks(std::string_view text);

}  // namespace vorla

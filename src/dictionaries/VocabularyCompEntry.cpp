#include "dictionaries/VocabularyCompEntry.h"

#include "dictionaries/AttributeRecord.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr char kModifierStops[] = {static_cast<char>(stream_byte::kComplement),
                                   static_cast<char>(stream_byte::kTargetPart)};
constexpr char kComplementStops[] = {static_cast<char>(stream_byte::kTargetPart)};

bool IsValidHead(std::string_view head) {
  return !head.empty() && head.size() <= entry_limit::kHead;
}

// An optional part of the record: its mark, then its words.
bool ReadPart(RecordReader& reader, std::uint8_t mark, std::string_view stops, std::string& part) {
  reader.SkipBlanks();
  if (!reader.Expect(mark)) return true;
  auto words = reader.ReadWords(entry_limit::kText, stops);
  if (!words) return false;
  part = std::move(*words);
  return true;
}

}  // namespace

bool VocabularyCompEntry::SetSource(std::string_view text) {
  if (text.empty() || text.size() > entry_limit::kText) return false;
  MultiWordParts parts = SplitMultiWordTerm(text, scat);
  if (!IsValidHead(parts.head)) return false;
  source = text;
  head = std::move(parts.head);
  modifier = std::move(parts.modifier);
  complement = std::move(parts.complement);
  return true;
}

void VocabularyCompEntry::WriteRecord(std::string& record) {
  PutField(record, head);
  if (!modifier.empty()) {
    PutByte(record, stream_byte::kModifier);
    PutField(record, modifier);
  }
  if (!complement.empty()) {
    PutByte(record, stream_byte::kComplement);
    PutField(record, complement);
  }
  PutByte(record, stream_byte::kTargetPart);
  WriteAttributeListWithScat(record, scat, srcattr);
  WriteTargetPart(record);
}

bool VocabularyCompEntry::ReadRecord(RecordReader& reader) {
  const auto headToken = reader.ReadToken(entry_limit::kHead);
  if (!headToken) return false;
  head = *headToken;
  modifier.clear();
  complement.clear();
  if (!ReadPart(reader, stream_byte::kModifier, std::string_view(kModifierStops, 2), modifier) ||
      !ReadPart(reader, stream_byte::kComplement, std::string_view(kComplementStops, 1),
                complement) ||
      !reader.Expect(stream_byte::kTargetPart)) {
    return false;
  }
  int wordClass = 0;
  if (!ReadAttributeListWithScat(reader, wordClass, srcattr)) return false;
  scat = wordClass;
  // A 199-byte term with a preposition in front of its head comes back one '*' longer.
  source = JoinMultiWordTerm({head, modifier, complement}, scat);
  if (source.size() > entry_limit::kField) return false;
  return ReadTargetPart(reader, entry_limit::kText);
}

}  // namespace vorla

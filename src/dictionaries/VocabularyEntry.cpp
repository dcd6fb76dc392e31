#include "dictionaries/VocabularyEntry.h"

#include <algorithm>

#include "dictionaries/AttributeRecord.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr char kTargetStops[] = {static_cast<char>(stream_byte::kListOpen),
                                 static_cast<char>(stream_byte::kRecordEnd)};

}  // namespace

std::string_view WithoutFinalStar(std::string_view text) {
  while (!text.empty() && text.back() == '*')
    text.remove_suffix(1);
  return text;
}

std::string BlanksToUnderscores(std::string_view text) {
  std::string out(text);
  std::ranges::replace(out, ' ', '_');
  return out;
}

std::string UnderscoresToBlanks(std::string_view text) {
  std::string out(text);
  std::ranges::replace(out, '_', ' ');
  return out;
}

bool VocabularyEntry::SetSource(std::string_view text) {
  if (text.size() > entry_limit::kText) return false;
  const std::string_view stored = WithoutFinalStar(text);
  if (stored.empty()) return false;
  source = stored;
  return true;
}

void VocabularyEntry::WriteRecord(std::string& record) {
  PutField(record, source);
  PutByte(record, static_cast<std::uint8_t>(scat));
  WriteTail(record);
}

bool VocabularyEntry::ReadRecord(RecordReader& reader) {
  const auto token = reader.ReadToken(entry_limit::kText);
  if (!token || WithoutFinalStar(*token).empty()) return false;
  source = WithoutFinalStar(*token);
  const auto wordClass = reader.ReadByte();
  if (!wordClass) return false;
  scat = *wordClass;
  return ReadTail(reader, entry_limit::kText);
}

void VocabularyEntry::WriteTail(std::string& record) const {
  WriteAttributeList(record, srcattr);
  PutByte(record, stream_byte::kTargetPart);
  WriteTargetPart(record);
}

bool VocabularyEntry::ReadTail(RecordReader& reader, std::size_t targetLimit) {
  return ReadAttributeList(reader, srcattr) && reader.Expect(stream_byte::kTargetPart) &&
         ReadTargetPart(reader, targetLimit);
}

void VocabularyEntry::WriteTargetPart(std::string& record) const {
  PutField(record, target);
  WriteAttributeList(record, tgtattr);
  PutByte(record, stream_byte::kRecordEnd);
}

bool VocabularyEntry::ReadTargetPart(RecordReader& reader, std::size_t targetLimit) {
  auto words = reader.ReadWords(targetLimit, std::string_view(kTargetStops, 2));
  if (!words) return false;
  target = std::move(*words);
  return ReadAttributeList(reader, tgtattr) && reader.Expect(stream_byte::kRecordEnd);
}

}  // namespace vorla

#include "dictionaries/UserDisambRuleEntry.h"

#include "dictionaries/RuleTypes.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr int kDisambRangeOffset = 1;

}  // namespace

void UserDisambRuleEntry::WriteRecord(std::string& record) {
  WriteRuleHead(record, kDisambRangeOffset);
  PutByte(record, stream_byte::kRecordEnd);
}

bool UserDisambRuleEntry::ReadRecord(RecordReader& reader) {
  return ReadRuleHead(reader, kDisambRangeOffset, IsDisambRuleType) &&
         reader.Expect(stream_byte::kRecordEnd);
}

}  // namespace vorla

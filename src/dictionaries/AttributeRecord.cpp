#include "dictionaries/AttributeRecord.h"

#include <vector>

#include "dictionaries/AttributeCodes.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

struct RawPair {
  int code;
  int value;
};

void PutPair(std::string& record, int code, int value, bool first) {
  if (!first) PutByte(record, stream_byte::kSeparator);
  PutByte(record, static_cast<std::uint8_t>(code));
  PutByte(record, stream_byte::kValue);
  PutByte(record, static_cast<std::uint8_t>(value + 1));
}

void PutPairs(std::string& record, const AttributeList& list, bool first) {
  for (const AttributePair& pair : list.pairs()) {
    PutPair(record, pair.code, pair.value, first);
    first = false;
  }
}

// The pairs of a list that opens at the reader's position, at most maxPairs of them.
std::optional<std::vector<RawPair>> ReadPairs(RecordReader& reader, std::size_t maxPairs) {
  if (!reader.Expect(stream_byte::kListOpen)) return std::nullopt;
  std::vector<RawPair> pairs;
  do {
    const auto code = reader.ReadByte();
    if (!code || !reader.Expect(stream_byte::kValue)) return std::nullopt;
    const auto value = reader.ReadByte();
    if (!value || pairs.size() == maxPairs) return std::nullopt;
    pairs.push_back({*code, *value - 1});
  } while (reader.Expect(stream_byte::kSeparator));
  if (!reader.Expect(stream_byte::kListClose)) return std::nullopt;
  return pairs;
}

bool Fill(AttributeList& list, std::span<const RawPair> pairs) {
  for (const RawPair& pair : pairs) {
    if (!AttributeList::CanHold(pair.code, pair.value)) return false;
    list.Set(pair.code, pair.value);
  }
  return true;
}

}  // namespace

void WriteAttributeList(std::string& record, const AttributeList& list) {
  if (list.empty()) return;
  PutByte(record, stream_byte::kListOpen);
  PutPairs(record, list, true);
  PutByte(record, stream_byte::kListClose);
}

void WriteAttributeListWithScat(std::string& record, int scat, const AttributeList& list) {
  PutByte(record, stream_byte::kListOpen);
  PutPair(record, attr::kSCat, scat, true);
  PutPairs(record, list, false);
  PutByte(record, stream_byte::kListClose);
}

bool ReadAttributeList(RecordReader& reader, AttributeList& list) {
  list = {};
  if (reader.Peek() != stream_byte::kListOpen) return true;
  const auto pairs = ReadPairs(reader, AttributeList::kCapacity);
  return pairs && Fill(list, *pairs);
}

bool ReadAttributeListWithScat(RecordReader& reader, int& scat, AttributeList& list) {
  list = {};
  // SCat comes first and does not count against the ten pairs of the list.
  const auto pairs = ReadPairs(reader, AttributeList::kCapacity + 1);
  if (!pairs || pairs->front().code != attr::kSCat || pairs->front().value < 0) return false;
  scat = pairs->front().value;
  return Fill(list, std::span(*pairs).subspan(1));
}

}  // namespace vorla

#include "service/AnswerReader.h"

#include <vector>

#include "service/Compression.h"

namespace vorla {

namespace {
// Room a payload buffer keeps beyond the payload (the terminator and its slack).
constexpr std::int64_t kPayloadSlack = 4;
}  // namespace

bool LengthLimit::Allows(std::int64_t length) const {
  if (length < 0) return false;
  const std::int64_t effective = EffectiveMaximum(maximum);
  if (effective != maximum || refuse == Refuse::Above) return length <= effective;
  return length < effective;
}

std::int32_t ReadBigEndian32(const unsigned char* bytes) {
  const std::uint32_t value = std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
                              std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
  return static_cast<std::int32_t>(value);
}

bool AnswerReader::ReadIntegers(std::span<std::int32_t> values) {
  std::vector<unsigned char> bytes(values.size() * 4);
  if (!ReadBytes(bytes)) return false;
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = ReadBigEndian32(&bytes[i * 4]);
  return true;
}

bool AnswerReader::ReadBytes(std::span<unsigned char> bytes) {
  const auto wanted = static_cast<std::int32_t>(bytes.size());
  return conn_.Read(reinterpret_cast<char*>(bytes.data()), wanted) == wanted;
}

PayloadStatus AnswerReader::ReadPayload(std::int32_t announced, const LengthLimit& limit,
                                        IDataBuffer& buffer) {
  if (!limit.Allows(announced)) return PayloadStatus::Refused;
  const std::int64_t room = std::int64_t{announced} + kPayloadSlack;
  if (buffer.Reserve(static_cast<std::int32_t>(room)) < 0) return PayloadStatus::Lost;
  const std::int32_t result = conn_.ReadToBuffer(buffer, announced, 0);
  if (result == http::kCancelled) return PayloadStatus::Cancelled;
  if (result != http::kOk || buffer.GetLength() != announced) return PayloadStatus::Lost;
  return PayloadStatus::Ok;
}

}  // namespace vorla

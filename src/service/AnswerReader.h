#pragma once

#include <cstdint>
#include <span>

#include "common/DataBuffer.h"
#include "service/HttpConn.h"

namespace vorla {

// How the announced length of a payload is held against a command's maximum.
struct LengthLimit {
  enum class Refuse { AtOrAbove, Above };
  std::int64_t maximum = -1;  // -1: only the fixed ceiling applies
  Refuse refuse = Refuse::AtOrAbove;

  bool Allows(std::int64_t length) const;
};

enum class PayloadStatus {
  Ok,
  Refused,  // negative or longer than the command allows; nothing was read
  Lost,     // the answer ended before the announced length, or a read failed
  Cancelled,
};

// Reads the service's answers: 32-bit big-endian integers and payloads of announced
// lengths. Every command reads through this, so every length is checked the same way
// before anything is allocated for it.
class AnswerReader {
 public:
  explicit AnswerReader(IHttpConn& conn) : conn_(conn) {}

  // Fills every value; false when the answer ends first (the connection was lost).
  bool ReadIntegers(std::span<std::int32_t> values);
  // Fills every byte of a block that is not made of integers; false when the answer ends first.
  bool ReadBytes(std::span<unsigned char> bytes);
  // Reads the payload into the (empty) buffer, with download progress. A payload shorter
  // than announced is a lost connection, never a result.
  PayloadStatus ReadPayload(std::int32_t announced, const LengthLimit& limit, IDataBuffer& buffer);

 private:
  IHttpConn& conn_;
};

std::int32_t ReadBigEndian32(const unsigned char* bytes);

}  // namespace vorla

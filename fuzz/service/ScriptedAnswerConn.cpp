#include "ScriptedAnswerConn.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "common/DataBuffer.h"

namespace vorla::fuzz {

namespace {
constexpr std::int32_t kPiece = 4096;
}  // namespace

std::int32_t ScriptedAnswerConn::Read(char* destination, std::int32_t length) {
  if (!sent_) return -1;
  if (length <= 0) return 0;
  const std::size_t n = std::min(answers_.rest.size(), static_cast<std::size_t>(length));
  std::memcpy(destination, answers_.rest.data(), n);
  answers_.rest.remove_prefix(n);
  return static_cast<std::int32_t>(n);
}

std::int32_t ScriptedAnswerConn::ReadToBuffer(IDataBuffer& buffer, std::int32_t total,
                                              std::int32_t piece) {
  if (!sent_) return http::kNoAnswer;
  if (total < 0) return http::kReadFailed;
  const std::int32_t pieceSize = piece > 0 ? piece : kPiece;
  for (std::int32_t soFar = 0; soFar < total;) {
    const std::int32_t ask = std::min(pieceSize, total - soFar);
    const std::int32_t held = buffer.GetLength();
    if (buffer.Reserve(held + ask) < 0) return http::kReadFailed;
    const std::int32_t n = Read(buffer.GetData() + held, ask);
    buffer.SetLength(held + n);
    soFar += n;
    // As the real connection: an answer shorter than announced ends the read without an error.
    if (n == 0) break;
  }
  return http::kOk;
}

std::int32_t ScriptedAnswerConn::ReadToNewBuffer(RefPtr<IDataBuffer>& buffer, std::int32_t total,
                                                 std::int32_t piece) {
  if (total < 0) return http::kReadFailed;
  buffer = MakeRef<DataBuffer>();
  return ReadToBuffer(*buffer, total, piece);
}

}  // namespace vorla::fuzz

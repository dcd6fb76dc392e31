#include "service/Compression.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <memory>

namespace vorla {

std::optional<std::string> CompressBytes(std::string_view bytes) {
  if (bytes.size() > std::numeric_limits<uLong>::max()) return std::nullopt;
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  // Room for the worst case, left untouched (so not resident) beyond what zlib writes; the
  // result is copied out at its own size.
  const std::unique_ptr<char[]> room = std::make_unique_for_overwrite<char[]>(size);
  const int result =
      compress(reinterpret_cast<Bytef*>(room.get()), &size,
               reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()));
  if (result != Z_OK) return std::nullopt;
  return std::string(room.get(), size);
}

namespace {

class Inflater {
 public:
  Inflater() { ok_ = inflateInit(&stream_) == Z_OK; }
  ~Inflater() {
    if (ok_) inflateEnd(&stream_);
  }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;

  bool ok() const { return ok_; }
  z_stream& stream() { return stream_; }

 private:
  z_stream stream_{};
  bool ok_ = false;
};

}  // namespace

std::int32_t InflateBuffer(std::string_view compressed, std::int64_t maxLength, IDataBuffer& out) {
  const auto limit = static_cast<std::size_t>(EffectiveMaximum(maxLength));
  if (compressed.size() > std::numeric_limits<uInt>::max()) return kInflateDamaged;
  Inflater inflater;
  if (!inflater.ok()) return kInflateDamaged;
  z_stream& stream = inflater.stream();
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());

  // Text rarely shrinks to less than a quarter, so the first room is usually the last.
  // One byte beyond the limit is enough to know that the result is too long.
  const std::size_t stopAt = limit + 1;
  std::size_t room = std::min(compressed.size() * 4 + 1024, stopAt);
  if (out.Reserve(static_cast<std::int32_t>(room)) < 0) return kInflateDamaged;
  for (;;) {
    const std::size_t produced = stream.total_out;
    if (produced == room) {
      if (room == stopAt) return kInflateTooLong;
      room = std::min(room * 2, stopAt);
      // The length tells the buffer which bytes to keep when it moves them.
      out.SetLength(static_cast<std::int32_t>(produced));
      if (out.Reserve(static_cast<std::int32_t>(room)) < 0) return kInflateDamaged;
    }
    stream.next_out = reinterpret_cast<Bytef*>(out.GetData() + produced);
    stream.avail_out = static_cast<uInt>(room - produced);
    const int result = inflate(&stream, Z_NO_FLUSH);
    if (result == Z_STREAM_END) break;
    if (result != Z_OK && result != Z_BUF_ERROR) return kInflateDamaged;
    // Output room left over means the input ran out before the end of the stream.
    if (stream.avail_out != 0) return kInflateDamaged;
  }
  if (stream.total_out > limit) return kInflateTooLong;
  out.SetLength(static_cast<std::int32_t>(stream.total_out));
  out.GetData()[stream.total_out] = '\0';
  return kInflateOk;
}

}  // namespace vorla

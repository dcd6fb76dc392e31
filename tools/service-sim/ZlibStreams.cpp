#include "ZlibStreams.h"

#include <zlib.h>

#include <array>
#include <new>

namespace vorla::sim {

namespace {

constexpr std::size_t kPiece = 64 * 1024;

// Ends the inflater on every path.
struct Inflater {
  z_stream stream{};
  bool open = inflateInit(&stream) == Z_OK;
  ~Inflater() {
    if (open) inflateEnd(&stream);
  }
};

}  // namespace

std::optional<std::string> InflateStream(std::string_view stream, std::size_t longest) {
  Inflater inflater;
  if (!inflater.open) return std::nullopt;
  z_stream& z = inflater.stream;
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size());
  std::string out;
  std::array<char, kPiece> piece;
  for (;;) {
    z.next_out = reinterpret_cast<Bytef*>(piece.data());
    z.avail_out = static_cast<uInt>(piece.size());
    const int result = inflate(&z, Z_NO_FLUSH);
    out.append(piece.data(), piece.size() - z.avail_out);
    if (out.size() > longest) return std::nullopt;
    if (result == Z_STREAM_END) break;
    // Z_BUF_ERROR with output room left means the input ended before the stream did.
    if (result != Z_OK || (z.avail_in == 0 && z.avail_out != 0)) return std::nullopt;
  }
  if (z.avail_in != 0) return std::nullopt;
  return out;
}

std::string DeflateStream(std::string_view bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()),
                Z_DEFAULT_COMPRESSION) != Z_OK) {
    // With room for the bound, only memory can run out.
    throw std::bad_alloc();
  }
  out.resize(size);
  return out;
}

}  // namespace vorla::sim

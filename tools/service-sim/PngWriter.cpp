#include "PngWriter.h"

#include <zlib.h>

#include <string_view>

namespace vorla::sim {
namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out += static_cast<char>((value >> shift) & 0xFF);
}

void AppendChunk(std::string& out, std::string_view type, std::string_view data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::string typed(type);
  typed += data;
  out += typed;
  const auto* bytes = reinterpret_cast<const Bytef*>(typed.data());
  AppendBigEndian(out,
                  static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(typed.size()))));
}

}  // namespace

std::string SolidPng(std::uint32_t width, std::uint32_t height, std::uint32_t rgb) {
  std::string header;
  AppendBigEndian(header, width);
  AppendBigEndian(header, height);
  header += std::string_view("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, no interlace

  std::string row(1, '\0');  // filter type 0
  for (std::uint32_t x = 0; x < width; ++x) {
    for (int shift = 16; shift >= 0; shift -= 8)
      row += static_cast<char>((rgb >> shift) & 0xFF);
  }
  std::string pixels;
  for (std::uint32_t y = 0; y < height; ++y)
    pixels += row;
  uLongf packedSize = compressBound(static_cast<uLong>(pixels.size()));
  std::string packed(packedSize, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
           reinterpret_cast<const Bytef*>(pixels.data()), static_cast<uLong>(pixels.size()));
  packed.resize(packedSize);

  std::string png("\x89PNG\r\n\x1A\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace vorla::sim

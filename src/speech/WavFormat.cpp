#include "speech/WavFormat.h"

namespace vorla {

namespace {

void AppendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WavHeader(int sampleRate, std::uint32_t dataBytes) {
  constexpr std::uint32_t kChannels = 1;
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  std::string header = "RIFF";
  AppendLittleEndian(header, 36 + dataBytes, 4);
  header += "WAVEfmt ";
  AppendLittleEndian(header, 16, 4);  // the format chunk's size
  AppendLittleEndian(header, 1, 2);   // PCM
  AppendLittleEndian(header, kChannels, 2);
  AppendLittleEndian(header, rate, 4);
  AppendLittleEndian(header, rate * kChannels * kBytesPerSample, 4);
  AppendLittleEndian(header, kChannels * kBytesPerSample, 2);
  AppendLittleEndian(header, 8 * kBytesPerSample, 2);
  header += "data";
  AppendLittleEndian(header, dataBytes, 4);
  return header;
}

}  // namespace vorla

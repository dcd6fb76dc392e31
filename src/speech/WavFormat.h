#pragma once

#include <cstdint>
#include <string>

namespace vorla {

// The 44-byte header of a RIFF WAVE file of 16-bit mono PCM holding dataBytes of samples.
std::string WavHeader(int sampleRate, std::uint32_t dataBytes);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <string>

namespace vorla {

// Audio formats the service is asked for (`f`).
inline constexpr std::int32_t kSpeechFormatMp3 = 1;

// One `cmd=tts` request; the numbers are sent as they are, 0 to 1000 each.
struct SpeechSynthesisRequest {
  std::string text;  // UTF-8, at most 1,000 characters
  std::int32_t language = 0;
  std::int32_t format = kSpeechFormatMp3;
  std::int32_t options = 0;
  std::int32_t rate = 400;
  std::int32_t pitch = 400;
  std::int32_t volume = 1000;
};

// Bit 0 of `o`, set by every client that is not product 2.
inline constexpr std::int32_t kSpeechOptionClient = 0x1;

// The file extension of the audio in a format: "mp3" for format 1, else "wav".
const char* SpeechAudioExtension(std::int32_t format);

}  // namespace vorla

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "service/AnswerReader.h"
#include "service/SpeechAnswer.h"

namespace {

using namespace vorla;

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

// The input is a `tts` answer as the service sends it: status, flags and length (big-endian),
// then the audio. It is taken apart as the client does: the length checked against the cap
// before anything is read, then the audio inflated when the flags say it is compressed.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 12;
  if (size < kHeader) return 0;
  if (ReadBigEndian32(data) != 0) return 0;
  const std::int32_t flags = ReadBigEndian32(data + 4);
  const std::int32_t length = SpeechAudioLength(ReadBigEndian32(data + 8));
  Require(length >= 1);
  if (!kSpeechAudioLimit.Allows(length)) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  if (rest.size() < static_cast<std::size_t>(length)) return 0;  // the answer was cut short
  const std::string_view payload = rest.substr(0, static_cast<std::size_t>(length));
  std::string audio;
  const std::int32_t code = DecodeSpeechAudio(flags, payload, audio);
  Require(code == 0 || code == kSpeechAnswerBroken);
  Require(static_cast<std::int64_t>(audio.size()) <= kSpeechAudioCap);
  if (code == 0) Require(!audio.empty());
  if ((flags & kSpeechAudioCompressed) == 0) Require(code == 0 && audio == payload);
  return 0;
}

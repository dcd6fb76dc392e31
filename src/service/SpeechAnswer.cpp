#include "service/SpeechAnswer.h"

#include "common/DataBuffer.h"
#include "service/Compression.h"

namespace vorla {

std::int32_t SpeechAudioLength(std::int32_t announced) {
  return announced < 1 ? 1 : announced;
}

std::int32_t DecodeSpeechAudio(std::int32_t flags, std::string_view payload, std::string& audio) {
  if ((flags & kSpeechAudioCompressed) == 0) {
    audio.assign(payload);
    return 0;
  }
  const auto inflated = MakeRef<DataBuffer>();
  if (InflateBuffer(payload, kSpeechAudioCap, *inflated) != kInflateOk) return kSpeechAnswerBroken;
  audio.assign(ViewOf(*inflated));
  return audio.empty() ? kSpeechAnswerBroken : 0;
}

}  // namespace vorla

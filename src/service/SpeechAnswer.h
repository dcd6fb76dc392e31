#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "service/AnswerReader.h"

namespace vorla {

// The largest audio a `tts` answer may carry, announced or inflated, so that a hostile
// answer cannot exhaust memory; checked before anything is allocated.
inline constexpr std::int64_t kSpeechAudioCap = std::int64_t{64} << 20;
inline constexpr LengthLimit kSpeechAudioLimit{kSpeechAudioCap, LengthLimit::Refuse::Above};

// Codes of the `tts` exchange besides the service's statuses.
inline constexpr std::int32_t kSpeechAnswerBroken = 1;  // no audio, or audio that does not inflate
inline constexpr std::int32_t kSpeechExchangeFailed = 2;

// Bit 0 of the answer's flags: the audio is a zlib stream.
inline constexpr std::int32_t kSpeechAudioCompressed = 0x1;

// The announced length as the client takes it: below 1 counts as 1.
std::int32_t SpeechAudioLength(std::int32_t announced);

// The audio of a payload: as it is, or inflated within the cap when the flags say it is
// compressed. 0, or kSpeechAnswerBroken.
std::int32_t DecodeSpeechAudio(std::int32_t flags, std::string_view payload, std::string& audio);

}  // namespace vorla

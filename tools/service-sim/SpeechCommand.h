#pragma once

#include "SimCommand.h"
#include "SimContext.h"
#include "SimRequest.h"

namespace vorla::sim {

// `tts`: speech synthesised with espeak-ng, a stand-in for the service's voices.
// - A request that breaks the protocol (fields cmd, p=2, pid, ver, f, l, o, rate, pitch,
//   vol, s in this order; the numbers 0 to 1000) gets HTTP 400 with the reason.
// - Otherwise, in this order: a status queued in context().translation for "tts"; 15 without
//   a valid session; 28 for the invalid language 98 and 23 for a code that is no language.
//   Each is the status alone.
// - The audio speaks the first 200 characters of the text, with the voice of its language
//   for English, Finnish and Swedish and the English one for the others: MP3 (made with
//   lame) when f is 1, else WAV. The answer is status 0, the flags, the payload's length and
//   the payload; with context().compressSpeech the payload is a zlib stream and flag bit 0 set.
SimAnswer SynthesizeSpeech(const SimRequest& request, SimContext& context);

}  // namespace vorla::sim

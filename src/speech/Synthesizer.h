#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "speech/VoiceParameters.h"

namespace vorla {

// A word of synthesised speech: its UTF-16 positions in the text and the sample it starts at.
struct SynthesisedWord {
  std::size_t start = 0;
  std::size_t length = 0;
  std::int64_t sample = 0;
};

// Turns text into 16-bit mono samples, handing them out while it synthesises.
class Synthesizer {
 public:
  virtual ~Synthesizer() = default;

  virtual int SampleRate() = 0;
  virtual bool HasVoice(int language) = 0;
  // The samples made so far and the words that start in them; false stops the synthesis.
  using Chunk = std::function<bool(std::span<const std::int16_t> samples,
                                   std::span<const SynthesisedWord> words)>;
  // Synthesises the text with the voice of the language (0 English, 1 Finnish, 2 Swedish);
  // false when there is no such voice.
  virtual bool Synthesize(std::u16string_view text, int language,
                          const LocalVoiceParameters& parameters, const Chunk& chunk) = 0;
};

// Where synthesised samples go: the audio device, or a file.
class PcmOutput {
 public:
  virtual ~PcmOutput() = default;

  virtual bool Open(int sampleRate) = 0;
  // Queues the samples, waiting while the output's buffer is full; false when the output
  // failed or was aborted.
  virtual bool Write(std::span<const std::int16_t> samples) = 0;
  // Waits until the samples up to the given one have been heard (a file hears each sample
  // as it is written); false when aborted or failed first.
  virtual bool WaitHeard(std::int64_t sample) = 0;
  // Ends the output at once; from any thread.
  virtual void Abort() = 0;
};

}  // namespace vorla

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/RefPtr.h"
#include "common/Unknown.h"
#include "speech/VoiceParameters.h"

namespace vorla {

// What a local voice reports while it speaks, from its own thread.
class ISpeechEvents : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("6C2F8E14-3B9A-4D71-8E05-A47B19D3C2E6");

  // The word at start, of length units (UTF-16 positions in the spoken text), is being heard.
  virtual void OnWordHeard(std::uint64_t utterance, std::size_t start, std::size_t length) = 0;
  // The utterance has been heard to its end or was stopped.
  virtual void OnUtteranceEnded(std::uint64_t utterance) = 0;

 protected:
  ~ISpeechEvents() override = default;
};

// One text for a local voice.
struct LocalUtterance {
  std::uint64_t id = 0;
  std::u16string text;
  int language = 0;  // 0 English, 1 Finnish, 2 Swedish
  LocalVoiceParameters parameters{};
};

// The local voices: speaks one utterance at a time, asynchronously.
class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;

  virtual bool HasVoice(int language) = 0;
  // Starts the utterance, purging any before it; false when no voice of its language can be
  // prepared (nothing is reported then).
  virtual bool Speak(LocalUtterance utterance, RefPtr<ISpeechEvents> events) = 0;
  // Stops the utterance being spoken; it reports its end.
  virtual void Stop() = 0;
};

}  // namespace vorla

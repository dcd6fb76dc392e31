#pragma once

namespace vorla {

// How loud and fast a local voice speaks.
struct LocalVoiceParameters {
  int volume = 100;  // 0 to 100: the request's volume divided by 10
  int rate = -2;     // -7 to 5: (rate - 500) / 80 truncated towards zero, minus 1, at most 8
  // The synthesiser's own scales: its amplitude (100 is its normal loudness, reached at
  // volume 100) and words per minute, 175 at rate 0 and a factor of 3 for every 10 steps, so
  // that rate -7 is about 81 and rate 5 about 303 words a minute.
  int amplitude = 100;
  int wordsPerMinute = 175;
};

// The local voice's parameters for a request's volume (1 to 1000) and rate (0 to 1000);
// pitch is not applied to local voices.
LocalVoiceParameters LocalVoiceParametersFor(int requestVolume, int requestRate);

}  // namespace vorla

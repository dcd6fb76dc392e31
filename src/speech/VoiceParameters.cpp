#include "speech/VoiceParameters.h"

#include <algorithm>
#include <cmath>

namespace vorla {

namespace {

constexpr int kNormalWordsPerMinute = 175;
constexpr int kHighestRate = 8;

}  // namespace

LocalVoiceParameters LocalVoiceParametersFor(int requestVolume, int requestRate) {
  LocalVoiceParameters parameters;
  parameters.volume = std::clamp(requestVolume / 10, 0, 100);
  parameters.rate = std::min((requestRate - 500) / 80 - 1, kHighestRate);
  parameters.amplitude = parameters.volume;
  parameters.wordsPerMinute =
      static_cast<int>(std::lround(kNormalWordsPerMinute * std::pow(3.0, parameters.rate / 10.0)));
  return parameters;
}

}  // namespace vorla

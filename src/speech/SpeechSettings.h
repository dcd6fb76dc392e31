#pragma once

#include "config/Settings.h"
#include "translation/LanguageFamily.h"

namespace vorla {

// "SpeechLan" -1: the language of the text spoken; else one of the local languages 0 to 2.
inline constexpr int kSpeechAutomatic = -1;

// The user's speech settings, each request value on the service's scale of 0 to 1000.
struct SpeechSettings {
  int language = kSpeechAutomatic;  // "SpeechLan": -1 to 2
  int volume = 1000;                // "SpeechVolume": 1 to 1000
  int rate = 400;                   // "SpeechRate": 0 to 1000
  int pitch = 400;                  // "SpeechPitch": 0 to 1000, sent to the service only
  bool automatic = false;           // "AutoSpeech": speak each text translation

  friend bool operator==(const SpeechSettings&, const SpeechSettings&) = default;
};

// Reads the settings, repairing what lies outside its range: a volume of 0 or less or above
// 1000 becomes 1000, a rate or pitch below 0 or above 1000 becomes 400, a language outside
// -1 to 2 becomes automatic.
SpeechSettings ReadSpeechSettings(const Settings& settings);
void WriteSpeechSettings(Settings& settings, const SpeechSettings& values);

}  // namespace vorla

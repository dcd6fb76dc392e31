#pragma once

#include <string_view>
#include <vector>

#include "common/Bilingual.h"
#include "speech/SpeechSettings.h"

namespace vorla {

// A choice of the dialog's "Speech language:" list.
struct SpeechLanguageEntry {
  BilingualText text;
  int language;  // -1 automatic, 0 to 2
};

// The logic of the "Speech Settings" dialog, without widgets: the values the controls show
// and what each button stores. The track bars run from 0 at the top to 1000 at the bottom,
// so a bar's position is 1000 minus its value.
class SpeechSettingsController {
 public:
  // English-Swedish decides whether Swedish is offered.
  SpeechSettingsController(Settings& settings, bool englishSwedishAvailable);

  static constexpr int kTrackBarRange = 1000;
  // The pitch bar: the local voices do not apply pitch, so it is shown disabled.
  static constexpr bool kPitchEnabled = false;

  const std::vector<SpeechLanguageEntry>& Languages() const { return languages_; }
  // The list entry of the language shown; the first (automatic) when it is not offered.
  int LanguageIndex() const;
  int VolumePosition() const { return kTrackBarRange - values_.volume; }
  int RatePosition() const { return kTrackBarRange - values_.rate; }
  int PitchPosition() const { return kTrackBarRange - values_.pitch; }
  bool Automatic() const { return values_.automatic; }

  void SetLanguageIndex(int index);
  void SetVolumePosition(int position);
  void SetRatePosition(int position);
  void SetPitchPosition(int position);
  void SetAutomatic(bool on) { values_.automatic = on; }

  // "Reset to defaults": stores the defaults at once and shows them.
  void ResetToDefaults();
  // "OK": stores what the controls show and returns it; "Cancel" stores nothing.
  SpeechSettings Accept();

 private:
  Settings& settings_;
  std::vector<SpeechLanguageEntry> languages_;
  SpeechSettings values_;
};

}  // namespace vorla

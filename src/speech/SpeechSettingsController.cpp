#include "speech/SpeechSettingsController.h"

#include <algorithm>

namespace vorla {

namespace {

// A volume of 0 is not stored: the lowest is 1.
constexpr int kLowestVolume = 1;

int ValueOf(int position, int lowest) {
  return std::clamp(SpeechSettingsController::kTrackBarRange - position, lowest,
                    SpeechSettingsController::kTrackBarRange);
}

}  // namespace

SpeechSettingsController::SpeechSettingsController(Settings& settings, bool englishSwedishAvailable)
    : settings_(settings), values_(ReadSpeechSettings(settings)) {
  languages_ = {{{"Automatic", "Automaattinen"}, kSpeechAutomatic},
                {{"English", "englanti"}, kLanguageEnglish},
                {{"Finnish", "suomi"}, kLanguageFinnish}};
  if (englishSwedishAvailable) languages_.push_back({{"Swedish", "ruotsi"}, kLanguageSwedish});
}

int SpeechSettingsController::LanguageIndex() const {
  const auto found =
      std::ranges::find(languages_, values_.language, &SpeechLanguageEntry::language);
  return found == languages_.end() ? 0 : static_cast<int>(found - languages_.begin());
}

void SpeechSettingsController::SetLanguageIndex(int index) {
  if (index >= 0 && index < static_cast<int>(languages_.size())) {
    values_.language = languages_[static_cast<std::size_t>(index)].language;
  }
}

void SpeechSettingsController::SetVolumePosition(int position) {
  values_.volume = ValueOf(position, kLowestVolume);
}

void SpeechSettingsController::SetRatePosition(int position) {
  values_.rate = ValueOf(position, 0);
}

void SpeechSettingsController::SetPitchPosition(int position) {
  values_.pitch = ValueOf(position, 0);
}

void SpeechSettingsController::ResetToDefaults() {
  values_ = SpeechSettings{};
  WriteSpeechSettings(settings_, values_);
}

SpeechSettings SpeechSettingsController::Accept() {
  WriteSpeechSettings(settings_, values_);
  return values_;
}

}  // namespace vorla

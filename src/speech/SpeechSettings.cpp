#include "speech/SpeechSettings.h"

namespace vorla {

namespace {

constexpr SpeechSettings kDefaults{};

int ReadInRange(const Settings& settings, std::string_view name, int low, int high, int fallback) {
  const int value = settings.ReadInteger(name, fallback);
  return value < low || value > high ? fallback : value;
}

}  // namespace

SpeechSettings ReadSpeechSettings(const Settings& settings) {
  SpeechSettings values;
  values.language =
      ReadInRange(settings, "SpeechLan", kSpeechAutomatic, kLanguageSwedish, kDefaults.language);
  values.volume = ReadInRange(settings, "SpeechVolume", 1, 1000, kDefaults.volume);
  values.rate = ReadInRange(settings, "SpeechRate", 0, 1000, kDefaults.rate);
  values.pitch = ReadInRange(settings, "SpeechPitch", 0, 1000, kDefaults.pitch);
  values.automatic = settings.ReadBoolean("AutoSpeech", kDefaults.automatic);
  return values;
}

void WriteSpeechSettings(Settings& settings, const SpeechSettings& values) {
  settings.WriteInteger("SpeechLan", values.language);
  settings.WriteInteger("SpeechVolume", values.volume);
  settings.WriteInteger("SpeechRate", values.rate);
  settings.WriteInteger("SpeechPitch", values.pitch);
  settings.WriteBoolean("AutoSpeech", values.automatic);
}

}  // namespace vorla

#include "speech/SpeechLanguage.h"

#include "speech/SpeechSettings.h"
#include "translation/LanguageFamily.h"

namespace vorla {

SpeechLanguageChoice ChooseSpeechLanguage(int setting, SpokenPane pane,
                                          const std::optional<LanguagePair>& lastTranslation,
                                          const LanguagePair& currentPair) {
  if (setting != kSpeechAutomatic) return {LocalCodeOf(setting), false};
  const auto languageOf = [pane](const LanguagePair& pair) {
    return LocalCodeOf(pane == SpokenPane::Source ? pair.source : pair.target);
  };
  if (lastTranslation) return {languageOf(*lastTranslation), false};
  if (currentPair.automatic) return {kLanguageEnglish, true};
  return {languageOf(currentPair), false};
}

}  // namespace vorla

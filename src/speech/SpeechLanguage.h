#pragma once

#include <optional>

#include "translation/LanguagePairs.h"

namespace vorla {

enum class SpokenPane { Source, Translation };

// The language a pane is spoken in, and whether it was a guess that the user is told about.
struct SpeechLanguageChoice {
  int language = kLanguageEnglish;
  // Automatic direction and no translation made yet: English, with a notice the first time.
  bool guessedEnglish = false;
};

// The language of a pane: the "SpeechLan" setting when it is not automatic; else the
// pane's language in the last translation, without one the current pair's, and with
// automatic direction and no translation yet English. Codes of the three families are
// folded onto 0, 1 and 2.
SpeechLanguageChoice ChooseSpeechLanguage(int setting, SpokenPane pane,
                                          const std::optional<LanguagePair>& lastTranslation,
                                          const LanguagePair& currentPair);

}  // namespace vorla

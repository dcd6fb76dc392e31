#include "speech/ServiceLength.h"

#include "speech/SpeechMessages.h"
#include "speech/SpeechText.h"
#include "translation/LanguageFamily.h"

namespace vorla {

namespace {

constexpr int kFirstFurtherLanguage = 100;

}  // namespace

ServiceLengthCheck CheckServiceLength(std::size_t characters, int language, UiLanguage ui) {
  if (characters <= kServiceSpeechMaxCharacters) return {};
  const std::string limit = std::to_string(kServiceSpeechMaxCharacters);
  std::string text;
  if (language >= kLanguageEnglish && language <= kLanguageSwedish) {
    text = FormatSpeechMessage(SpeechMessage::LongerThanInLanguage, ui,
                               {limit, limit, LanguageNameInLengthNotice(language, ui)});
  } else if (language >= kFirstFurtherLanguage) {
    text = FormatSpeechMessage(SpeechMessage::LongerThan, ui, {limit, limit});
  } else {
    return {.refused = true};
  }
  text += " ";
  text += SpeechMessageText(SpeechMessage::WantToContinue).In(ui);
  return {.question = std::move(text)};
}

}  // namespace vorla

#pragma once

#include <string>
#include <string_view>

#include "common/Bilingual.h"
#include "common/UiLanguage.h"

namespace vorla {

// The speech messages, by their index in the speech message table.
enum class SpeechMessage {
  LengthSetting = 0,
  WantToContinue = 1,
  LongerThanInLanguage = 2,  // %d, %d, %s
  LongerThan = 3,            // %d, %d
  Failed = 4,
  ConnectionFailed = 5,
  NotAvailable = 6,
  NotAvailableFor = 7,  // %s
  AudioDeviceError = 8,
  Preparing = 9,
  VoicePackageMissing = 10,  // %s
};

BilingualText SpeechMessageText(SpeechMessage message);

// The message with each "%d" and "%s" replaced by the next argument, in order.
std::string FormatSpeechMessage(SpeechMessage message, UiLanguage language,
                                std::initializer_list<std::string_view> arguments = {});

// The language name in message 2: "English", "Finnish", "Swedish" / "englannin", "suomen",
// "ruotsin"; empty for other codes.
std::string_view LanguageNameInLengthNotice(int language, UiLanguage uiLanguage);

// The texts of Speak beside the table.
inline constexpr BilingualText kSpeechAfterPendingTranslation{
    "You can listen to the translation result after the pending translation process is "
    "completed.",
    "Käännös on kesken. Voit kuunnella tuloksen, kun käännös on suoritettu."};
inline constexpr BilingualText kSpeechNeedsTranslation{
    "Please translate text before listening to it.", "Suorita käännös ennen tekstin kuuntelua."};
inline constexpr BilingualText kSpeechLanguageUndetermined{
    "The language cannot be determined automatically because you haven't translated any text "
    "yet.",
    "Puheen kieltä ei voida määrittää automaattisesti, koska et ole vielä suorittanut "
    "käännöstä."};
inline constexpr BilingualText kSpeechEnglishIsDefault{"English is used as a default language.",
                                                       "Oletuskielenä käytetään englantia."};

}  // namespace vorla

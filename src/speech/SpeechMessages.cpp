#include "speech/SpeechMessages.h"

#include <array>

#include "translation/LanguageFamily.h"

namespace vorla {

namespace {

constexpr std::array<BilingualText, 11> kMessages = {{
    {"Maximum speech length must be between 1-30000 characters. Please set a new value.",
     "Puheen maksimipituuden arvo pitää olla välillä 1-30000 merkkiä. Aseta arvo uudestaan."},
    {"Do you want to continue?", "Haluatko jatkaa?"},
    {"The text is longer than %d characters. Only the first %d characters are spoken in the %s "
     "speech synthesis.",
     "Teksti on pidempi kuin %d merkkiä. Vain ensimmäiset %d merkkiä puhutaan %s "
     "puheentuotossa."},
    {"The text is longer than %d characters. Only the first %d characters are spoken.",
     "Teksti on pidempi kuin %d merkkiä. Vain ensimmäiset %d merkkiä puhutaan."},
    {"Speech synthesis failed.", "Puheentuotto ei onnistunut."},
    {"Speech synthesis failed due to a server connection error. Please try again.",
     "Puheentuotto ei onnistunut, koska palvelimeen ei saatu yhteyttä. Yritä uudelleen "
     "myöhemmin."},
    {"Text-to-Speech is not available for the selected language.",
     "Puheentuottoa ei saatavilla valitulle kielelle."},
    {"Text-to-Speech is not available for the '%s' language.",
     "Puheentuottoa ei ole saatavilla kielelle '%s'."},
    {"Speech synthesis failed - audio device error.",
     "Puheentuotto ei onnistunut - virhe äänen toistossa."},
    {"Preparing speech synthesis... please wait", "Valmistellaan puheentuottoa... odota hetki"},
    {"Speech synthesis failed. Please check that %s voice package is installed on your computer.",
     "Puheentuotto ei onnistunut. Tarkista Windowsin kieliasetuksista, että koneellesi on "
     "asennettu %s äänipaketti."},
}};

constexpr std::array<BilingualText, 3> kLengthNoticeNames = {{
    {"English", "englannin"},
    {"Finnish", "suomen"},
    {"Swedish", "ruotsin"},
}};

}  // namespace

BilingualText SpeechMessageText(SpeechMessage message) {
  return kMessages[static_cast<std::size_t>(message)];
}

std::string FormatSpeechMessage(SpeechMessage message, UiLanguage language,
                                std::initializer_list<std::string_view> arguments) {
  const std::string_view pattern = SpeechMessageText(message).In(language);
  std::string text;
  const auto* next = arguments.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                             (pattern[i + 1] == 'd' || pattern[i + 1] == 's');
    if (placeholder && next != arguments.end()) {
      text += *next++;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string_view LanguageNameInLengthNotice(int language, UiLanguage uiLanguage) {
  if (language < kLanguageEnglish || language > kLanguageSwedish) return {};
  return kLengthNoticeNames[static_cast<std::size_t>(language)].In(uiLanguage);
}

}  // namespace vorla

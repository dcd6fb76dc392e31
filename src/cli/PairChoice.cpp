#include "cli/PairChoice.h"

#include <algorithm>
#include <iostream>
#include <optional>

#include "common/Bilingual.h"
#include "config/Settings.h"
#include "translation/LanguageMenu.h"
#include "translation/LanguageSelection.h"
#include "translation/TranslatorState.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kNotAvailable{"This language pair is not available for your account.",
                                      "Tämä kielipari ei ole käytettävissä käyttäjätililläsi."};
constexpr BilingualText kUnknownCode{"Unknown language code: @1", "Tuntematon kielikoodi: @1"};

struct MenuWord {
  const char* word;
  LanguageMenuItem item;
};
constexpr MenuWord kMenuWords[] = {{"auto", LanguageMenuItem::AutoSelection},
                                   {"en-fi", LanguageMenuItem::EnglishFinnish},
                                   {"fi-en", LanguageMenuItem::FinnishEnglish},
                                   {"en-sv", LanguageMenuItem::EnglishSwedish}};

std::optional<int> ParseCode(const std::string& text, UiLanguage language) {
  const std::optional<int> code = ParseStoredInteger(text);
  if (!code || std::to_string(*code) != text || !IsKnownLanguageCode(*code)) {
    std::cerr << FormatMessage(kUnknownCode, language, text) << '\n';
    return std::nullopt;
  }
  return code;
}

}  // namespace

int ChooseMenuWord(TranslatorState& state, std::string_view word, UiLanguage language) {
  const auto found = std::ranges::find(kMenuWords, word, &MenuWord::word);
  if (found == std::end(kMenuWords)) {
    std::cerr << FormatMessage(kUnknownCode, language, word) << '\n';
    return kInvalidPair;
  }
  if (!IsMenuItemEnabled(found->item, state.GetAccountType(), state.GetAvailablePairs())) {
    std::cerr << kNotAvailable.In(language) << '\n';
    return kNoAccessToPair;
  }
  ChooseMenuItem(state, found->item);
  return 0;
}

int ChooseCodes(TranslatorState& state, const std::string& source, const std::string& target,
                UiLanguage language) {
  const auto sourceCode = ParseCode(source, language);
  const auto targetCode = ParseCode(target, language);
  if (!sourceCode || !targetCode) return kInvalidPair;
  const int type = state.GetAccountType();
  const int bits = state.GetAvailablePairs();
  if (!IndexOfLanguage(SourceLanguageEntries(type, bits, language), *sourceCode) ||
      !IndexOfLanguage(TargetLanguageEntries(type, bits, language), *targetCode)) {
    std::cerr << kNotAvailable.In(language) << '\n';
    return kNoAccessToPair;
  }
  const LanguagePair pair{*sourceCode, *targetCode, false};
  if (IsSameLanguagePair(pair)) {
    std::cerr << SameLanguageMessage(language) << '\n';
    return kInvalidPair;
  }
  state.ChoosePair(pair);
  return 0;
}

}  // namespace vorla::cli

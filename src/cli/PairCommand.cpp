#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "common/Bilingual.h"
#include "config/Settings.h"
#include "translation/LanguageMenu.h"
#include "translation/LanguageNames.h"
#include "translation/LanguageSelection.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kPairLabel{"Language Pair:", "Kielipari:"};
constexpr BilingualText kAvailableLabel{"Available language pairs:",
                                        "Käytettävissä olevat kieliparit:"};
constexpr BilingualText kNotAvailable{"This language pair is not available for your account.",
                                      "Tämä kielipari ei ole käytettävissä käyttäjätililläsi."};
constexpr BilingualText kUnknownCode{"Unknown language code: @1", "Tuntematon kielikoodi: @1"};

// Exit statuses, as the service would answer such a pair.
constexpr int kNoAccessToPair = 23;
constexpr int kInvalidPair = 28;

struct MenuWord {
  const char* word;
  LanguageMenuItem item;
};
constexpr MenuWord kMenuWords[] = {{"auto", LanguageMenuItem::AutoSelection},
                                   {"en-fi", LanguageMenuItem::EnglishFinnish},
                                   {"fi-en", LanguageMenuItem::FinnishEnglish},
                                   {"en-sv", LanguageMenuItem::EnglishSwedish}};

std::string LanguageText(int code, UiLanguage language) {
  const std::string_view name = LanguageName(code, language);
  return name.empty() ? std::to_string(code) : std::string(name);
}

std::string PairText(const LanguagePair& pair, UiLanguage language) {
  const std::string_view direction = DirectionName(pair, language);
  if (!direction.empty()) return std::string(direction);
  return LanguageText(pair.source, language) + " -> " + LanguageText(pair.target, language);
}

void PrintPair(TranslatorState& state, UiLanguage language) {
  std::cout << kPairLabel.In(language) << ' ' << PairText(state.GetPair(), language) << '\n'
            << kAvailableLabel.In(language) << ' '
            << AvailablePairsText(state.GetAvailablePairs(), language) << '\n';
}

// Sets a pair as the language menu does; the result is the exit status.
int ChooseItem(TranslatorState& state, LanguageMenuItem item, UiLanguage language) {
  if (!IsMenuItemEnabled(item, state.GetAccountType(), state.GetAvailablePairs())) {
    std::cerr << kNotAvailable.In(language) << '\n';
    return kNoAccessToPair;
  }
  ChooseMenuItem(state, item);
  return 0;
}

std::optional<int> ParseCode(const std::string& text, UiLanguage language) {
  const std::optional<int> code = ParseStoredInteger(text);
  if (!code || std::to_string(*code) != text || !IsKnownLanguageCode(*code)) {
    std::cerr << FormatMessage(kUnknownCode, language, text) << '\n';
    return std::nullopt;
  }
  return code;
}

// Sets a pair of codes as the language dialog would: each from its list, never the same.
int ChooseCodes(TranslatorState& state, const std::string& sourceText,
                const std::string& targetText, UiLanguage language) {
  const auto source = ParseCode(sourceText, language);
  const auto target = ParseCode(targetText, language);
  if (!source || !target) return kInvalidPair;
  const int type = state.GetAccountType();
  const int bits = state.GetAvailablePairs();
  if (!IndexOfLanguage(SourceLanguageEntries(type, bits, language), *source) ||
      !IndexOfLanguage(TargetLanguageEntries(type, bits, language), *target)) {
    std::cerr << kNotAvailable.In(language) << '\n';
    return kNoAccessToPair;
  }
  const LanguagePair pair{*source, *target, false};
  if (IsSameLanguagePair(pair)) {
    std::cerr << SameLanguageMessage(language) << '\n';
    return kInvalidPair;
  }
  state.ChoosePair(pair);
  return 0;
}

int RunPair(CliContext& context, const std::vector<std::string>& arguments) {
  TranslatorState& state = context.state();
  const UiLanguage language = context.ui();
  int status = 0;
  if (arguments.size() == 2) {
    status = ChooseCodes(state, arguments[0], arguments[1], language);
  } else if (arguments.size() == 1) {
    const auto word = std::ranges::find(kMenuWords, arguments[0], &MenuWord::word);
    if (word == std::end(kMenuWords)) {
      std::cerr << FormatMessage(kUnknownCode, language, arguments[0]) << '\n';
      return kInvalidPair;
    }
    status = ChooseItem(state, word->item, language);
  }
  if (status == 0) PrintPair(state, language);
  return status;
}

}  // namespace

void AddPairCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "pair",
      "Show the language pair and the pairs of the account, or set the pair: en-fi, fi-en, "
      "en-sv, auto, or a source and a target code (see vorla languages)");
  auto arguments = std::make_shared<std::vector<std::string>>();
  command->add_option("pair", *arguments, "en-fi | fi-en | en-sv | auto | SOURCE TARGET")
      ->expected(0, 2);
  command->callback([&context, arguments] { context.SetExitStatus(RunPair(context, *arguments)); });
}

}  // namespace vorla::cli

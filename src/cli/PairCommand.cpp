#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/PairChoice.h"
#include "common/Bilingual.h"
#include "translation/LanguageNames.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kPairLabel{"Language Pair:", "Kielipari:"};
constexpr BilingualText kAvailableLabel{"Available language pairs:",
                                        "Käytettävissä olevat kieliparit:"};

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

int RunPair(CliContext& context, const std::vector<std::string>& arguments) {
  TranslatorState& state = context.state();
  const UiLanguage language = context.ui();
  int status = 0;
  if (arguments.size() == 2) {
    status = ChooseCodes(state, arguments[0], arguments[1], language);
  } else if (arguments.size() == 1) {
    status = ChooseMenuWord(state, arguments[0], language);
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

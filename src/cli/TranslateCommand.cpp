#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliJobDisplay.h"
#include "cli/CliSourcePane.h"
#include "cli/Commands.h"
#include "cli/PairChoice.h"
#include "cli/TerminalQuestions.h"
#include "cli/TranslationInput.h"
#include "common/CodePages.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "translation/DictionaryEntryRtf.h"

namespace vorla::cli {

namespace {

struct TranslateOptions {
  std::optional<std::string> from;
  std::optional<std::string> to;
  bool automatic = false;
  bool rtf = false;
  bool yes = false;
  std::optional<std::string> text;
};

// "en", "fi" and "sv" stand for the codes of the local pairs.
std::string CodeOf(const std::string& language) {
  if (language == "en") return "0";
  if (language == "fi") return "1";
  if (language == "sv") return "2";
  return language;
}

// The pair as the language menu sets it (a local direction or automatic selection), or as
// the language dialog does for further languages. 0, or the exit status.
int ChoosePair(TranslatorState& state, const TranslateOptions& options, UiLanguage language) {
  if (options.automatic) return ChooseMenuWord(state, "auto", language);
  if (!options.from) return 0;
  const std::string source = CodeOf(*options.from);
  const std::string target = CodeOf(*options.to);
  for (const auto& [word, codes] :
       {std::pair{"en-fi", std::pair{"0", "1"}}, {"fi-en", {"1", "0"}}, {"en-sv", {"0", "2"}}}) {
    if (source == codes.first && target == codes.second) {
      return ChooseMenuWord(state, word, language);
    }
  }
  return ChooseCodes(state, source, target, language);
}

// Text results in their code page become UTF-8 with the line ends of this system, and a
// dictionary entry the text the pane shows of it; RTF goes out as the service wrote it.
std::string OutputText(const TranslationDelivery& delivery, UiLanguage language) {
  if (delivery.rtf) return delivery.result;
  std::string text;
  if (const auto entry = delivery.dictionaryLookup
                             ? RenderDictionaryEntry(delivery.result, language, {}, 0)
                             : std::nullopt) {
    text = FileText(RtfReader().Read(*entry), StreamEncoding::Utf8);
  } else {
    text = CodePageToUtf8(delivery.codePage, delivery.result).value_or(delivery.result);
  }
  std::erase(text, '\r');
  if (!text.empty() && text.back() != '\n') text += '\n';
  return text;
}

int RunTranslate(CliContext& context, const TranslateOptions& options) {
  CWindowsTranslator& translator = context.translator();
  const UiLanguage language = context.ui();
  if (const int refused = ChoosePair(translator.State(), options, language); refused != 0) {
    return refused;
  }
  const auto delivery = MakeRef<CliDelivery>();
  CWindowsTranslator::Hooks hooks = context.TranslatorHooks();
  hooks.sourcePane = std::make_shared<CliSourcePane>(
      InputDocument(ReadTranslationInput(options.text), options.rtf));
  hooks.mainWindow = {MakeRef<CliProgress>(context.statusLine()), delivery};
  hooks.priceConfirmation = std::make_shared<TerminalPriceConfirmation>(options.yes, language);
  hooks.languageNotice = std::make_shared<TerminalLanguageNotice>(options.yes, language);
  translator.SetHooks(hooks);

  TranslationOrder order;
  order.format = options.rtf ? kFormatRtf : kFormatTxt;
  order.sentenceAlignment = false;
  const RefPtr<WindowsTranslationInstance> job = translator.StartTranslation(order);
  if (!job) return 0;  // nothing to translate
  const int result = job->WaitForResult();
  translator.Shutdown();
  if (const std::optional<TranslationDelivery> translation = delivery->Take()) {
    std::cout << OutputText(*translation, language) << std::flush;
  }
  return result;
}

}  // namespace

void AddTranslateCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "translate",
      "Translate a text (or RTF with --rtf) on the service and print the translation; the "
      "text is the argument, or the standard input for - or no argument");
  auto options = std::make_shared<TranslateOptions>();
  auto* from = command->add_option("--from", options->from,
                                   "Source language: en, fi, sv or a code (see vorla languages)");
  auto* to = command->add_option("--to", options->to, "Target language, as --from");
  auto* automatic = command->add_flag("--auto", options->automatic,
                                      "Let the service choose between English and Finnish");
  from->needs(to);
  to->needs(from);
  automatic->excludes(from)->excludes(to);
  command->add_flag("--rtf", options->rtf, "The text is RTF, and so is the translation");
  command->add_flag("--yes", options->yes,
                    "Answer \"Translate\" to the questions before a translation");
  command->add_option("text", options->text, "TEXT | -");
  command->callback(
      [&context, options] { context.SetExitStatus(RunTranslate(context, *options)); });
}

}  // namespace vorla::cli

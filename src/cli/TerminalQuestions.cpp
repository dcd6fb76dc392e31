#include "cli/TerminalQuestions.h"

#include <cctype>

#include "cli/Terminal.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kQuestion{"Translate or Cancel? [t/c] ", "Käännä vai Peruuta? [k/p] "};

// The lines, then the question until it is answered; false without a terminal.
bool AskTranslate(const std::string& lines, UiLanguage language) {
  const char translate = language == UiLanguage::English ? 't' : 'k';
  const char cancel = language == UiLanguage::English ? 'c' : 'p';
  std::string prompt = lines + std::string(kQuestion.In(language));
  for (;;) {
    const std::optional<std::string> answer = AskTerminal(prompt, true);
    if (!answer) return false;
    const char first =
        answer->empty()
            ? '\0'
            : static_cast<char>(std::tolower(static_cast<unsigned char>(answer->front())));
    if (first == translate) return true;
    if (first == cancel) return false;
    prompt = kQuestion.In(language);
  }
}

}  // namespace

PriceAnswer TerminalPriceConfirmation::Ask(const TranslationInfo& info, bool askConfirmation) {
  if (yes_) return {true, askConfirmation};
  const TranslationInfoLines lines = FormatTranslationInfo(info, language_);
  const std::string text = std::string(kTranslationInfoTitle.In(language_)) + "\n" + lines.length +
                           "\n" + lines.price + "\n" + lines.balance + "\n" + lines.note + "\n";
  return {AskTranslate(text, language_), askConfirmation};
}

bool TerminalLanguageNotice::Ask(int accountType) {
  if (yes_) return true;
  return AskTranslate(std::string(LanguageNoticeText(accountType).In(language_)) + "\n", language_);
}

}  // namespace vorla::cli

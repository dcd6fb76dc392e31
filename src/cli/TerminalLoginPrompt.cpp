#include "cli/TerminalLoginPrompt.h"

#include <iostream>

#include "cli/Terminal.h"
#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "service/LoginTexts.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kUserNameLabel{"Username:", "Käyttäjätunnus:"};
constexpr BilingualText kPasswordLabel{"Password:", "Salasana:"};

// An answer from the terminal, or what the field already holds when the user just presses
// Enter or there is no terminal; nothing when there is neither.
std::optional<std::string> AskField(std::string_view label, std::string_view shownValue,
                                    const std::string& field, bool echo) {
  std::string prompt(label);
  if (!shownValue.empty()) prompt += " [" + std::string(shownValue) + "]";
  prompt += ' ';
  const std::optional<std::string> answer = AskTerminal(prompt, echo);
  if (answer && !answer->empty()) return Utf8ToCp1252(*answer);
  if (field.empty() && !answer) return std::nullopt;
  return field;
}

}  // namespace

bool TerminalLoginPrompt::Ask(LoginDialogParameters& parameters) {
  std::cerr << LoginPromptText(parameters.lastResult).In(language_) << '\n';
  if (options_.forget) parameters.remember = false;

  if (options_.userName) {
    parameters.userName = Utf8ToCp1252(*options_.userName);
  } else {
    const auto userName = AskField(kUserNameLabel.In(language_), Cp1252ToUtf8(parameters.userName),
                                   parameters.userName, true);
    if (!userName || userName->empty()) return false;
    parameters.userName = *userName;
  }

  if (options_.passwordFromStandardInput) {
    const auto password = ReadStandardInputLine();
    if (!password) return false;
    parameters.password = Utf8ToCp1252(*password);
    return true;
  }
  // Only the placeholder of a stored password is shown, never a password typed before.
  const std::string shown = parameters.useStoredDigest ? parameters.password : std::string();
  const auto password = AskField(kPasswordLabel.In(language_), shown, parameters.password, false);
  if (!password) return false;
  parameters.password = *password;
  return true;
}

}  // namespace vorla::cli

#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "service/LoginResults.h"
#include "service/LoginTexts.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kLoggedIn{"Logged in as @1", "Kirjauduttu sisään käyttäjänä @1"};

int RunLogin(CliContext& context, const TerminalLoginPrompt::Options& options) {
  context.UseLoginPrompt(options);
  TranslatorState& state = context.state();
  TranslatorState::LoginOptions login;
  login.statusBarMode = 1;
  login.forceDialog = true;
  const int result = state.Login(login);
  const UiLanguage language = context.ui();
  if (result == kLoginOk) {
    std::cout << FormatMessage(kLoggedIn, language, Cp1252ToUtf8(state.GetUserName())) << '\n';
  } else if (result == kLoginCancelled) {
    // The status line stays silent about a cancelled login; the command line does not.
    std::cerr << LoginStatusText(result)->In(language) << '\n';
  }
  return result;
}

}  // namespace

void AddLoginCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "login",
      "Log in to the translation service; the name and the password digest are remembered "
      "for the next commands unless --forget is given");
  auto options = std::make_shared<TerminalLoginPrompt::Options>();
  command->add_option("--user", options->userName, "User name (asked when not given)");
  command->add_flag("--password-stdin", options->passwordFromStandardInput,
                    "Read the password from the standard input instead of the terminal");
  command->add_flag("--forget", options->forget, "Do not remember the user name and password");
  command->callback([&context, options] { context.SetExitStatus(RunLogin(context, *options)); });
}

}  // namespace vorla::cli

#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "common/Bilingual.h"
#include "common/Windows1252.h"
#include "service/CAccountInfo.h"
#include "translation/LanguageNames.h"

namespace vorla::cli {

namespace {

constexpr BilingualText kUserNameLabel{"Username:", "Käyttäjätunnus:"};
constexpr BilingualText kNameLabel{"Name:", "Nimi:"};
constexpr BilingualText kCompanyLabel{"Company:", "Yritys:"};
constexpr BilingualText kAccountTypeLabel{"Account type:", "Käyttäjätilin tyyppi:"};
constexpr BilingualText kQuotaLabel{"Quota left:", "Kiintiötä jäljellä:"};
constexpr BilingualText kPairsLabel{"Language pairs:", "Kieliparit:"};

// The exit status of a password change that the local checks refused.
constexpr int kRefusedLocally = 1;

void PrintAccount(const AccountInfo& account, int pairBits, UiLanguage language) {
  const std::string company = account.company.empty() ? "-" : Cp1252ToUtf8(account.company);
  std::cout << kUserNameLabel.In(language) << ' ' << Cp1252ToUtf8(account.userName) << '\n'
            << kNameLabel.In(language) << ' ' << Cp1252ToUtf8(account.firstName) << ' '
            << Cp1252ToUtf8(account.lastName) << '\n'
            << kCompanyLabel.In(language) << ' ' << company << '\n'
            << kAccountTypeLabel.In(language) << ' ' << account.accountType << '\n'
            << kQuotaLabel.In(language) << ' ' << account.quotaLeft << '\n'
            << kPairsLabel.In(language) << ' ' << AvailablePairsText(pairBits, language) << '\n';
}

// The current password, the new one and its confirmation, one a line on the standard input.
int ChangePassword(CAccountInfo& account) {
  std::string lines[3];
  for (std::string& line : lines)
    line = Utf8ToCp1252(ReadStandardInputLine().value_or(""));
  const CAccountInfo::PasswordOutcome outcome =
      account.ChangePassword(lines[0], lines[1], lines[2]);
  if (outcome.check == PasswordCheck::Nothing) return 0;
  const bool changed = outcome.check == PasswordCheck::Passed && outcome.status == 0;
  (changed ? std::cout : std::cerr) << outcome.message << '\n';
  if (outcome.check != PasswordCheck::Passed) return kRefusedLocally;
  return outcome.status;
}

int RunAccount(CliContext& context, bool changePassword) {
  TranslatorState& state = context.state();
  const UiLanguage language = context.ui();
  const auto account = MakeRef<CAccountInfo>(state, context.connections(), nullptr);
  const CAccountInfo::Outcome loaded = account->LoadAccount();
  if (loaded.result != 0) {
    std::cerr << loaded.message << '\n';
    return loaded.result;
  }
  if (changePassword) return ChangePassword(*account);
  PrintAccount(*account->Account(), state.GetAvailablePairs(), language);
  return 0;
}

}  // namespace

void AddAccountCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "account", "Show the user account, or change the password (--change-password)");
  auto changePassword = std::make_shared<bool>(false);
  command->add_flag("--change-password", *changePassword,
                    "Change the password: the current one, the new one and its confirmation "
                    "are read from the standard input, one a line");
  command->callback(
      [&context, changePassword] { context.SetExitStatus(RunAccount(context, *changePassword)); });
}

}  // namespace vorla::cli

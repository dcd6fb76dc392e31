#include "service/CAccountInfo.h"

#include "common/Bilingual.h"
#include "service/CMD5Checksum.h"
#include "service/LoginResults.h"
#include "service/LoginTexts.h"
#include "service/ServiceClient.h"
#include "translation/ResultCodes.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr BilingualText kLoadingText{"Loading account info... please wait",
                                     "Ladataan käyttäjätilin tietoja... odota hetki"};
constexpr BilingualText kReadFailedText{"Reading account info from the server failed.",
                                        "Käyttäjätilin tietojen luku palvelimelta epäonnistui."};

}  // namespace

CAccountInfo::CAccountInfo(TranslatorState& state, std::shared_ptr<HttpConnFactory> connections,
                           std::shared_ptr<StatusBar> statusLine)
    : state_(state), connections_(std::move(connections)), statusLine_(std::move(statusLine)) {}

void CAccountInfo::Close() {
  closed_ = true;
  client_.Cancel();
}

bool CAccountInfo::PrepareClient() {
  client_.Initialise(RefPtr<Config>(&state_.GetConfig()), &state_, connections_);
  // Initialising forgets a cancel: a Close that came before is seen here instead.
  return !IsClosed();
}

void CAccountInfo::Show(std::string_view text) const {
  if (statusLine_ && !IsClosed()) statusLine_->ShowStatus(text);
}

CAccountInfo::Outcome CAccountInfo::LoadAccount() {
  if (IsClosed()) return {kResultInterrupted, {}};
  const UiLanguage language = state_.GetConfig().GetUiLanguage();
  if (!state_.HasValidLogin()) {
    state_.SetLoggedIn(false);
    Show(kLoggingInText.In(language));
    TranslatorState::LoginOptions options;
    options.statusBarMode = 0;
    const int login = state_.Login(options);
    if (login != kLoginOk) {
      const auto text = LoginStatusText(login);
      return {login, text ? std::string(text->In(language)) : std::string()};
    }
  }
  Show(kLoadingText.In(language));
  std::string text;
  const int status = PrepareClient() ? client_.GetAccountInfo(text, 1) : kResultInterrupted;
  account_ = status == 0 ? ParseAccountInfo(text) : std::nullopt;
  if (!account_) {
    return {status != 0 ? status : kResultServerError, std::string(kReadFailedText.In(language))};
  }
  state_.SetAccount(account_->accountType, account_->quotaLeft);
  Show({});
  return {};
}

CAccountInfo::PasswordOutcome CAccountInfo::ChangePassword(std::string_view current,
                                                           std::string_view newPassword,
                                                           std::string_view confirmation) {
  const UiLanguage language = state_.GetConfig().GetUiLanguage();
  const std::string storedDigest = state_.GetStoredDigest().value_or("");
  PasswordOutcome outcome;
  outcome.check = CheckPasswordChange(current, newPassword, confirmation, storedDigest);
  if (outcome.check != PasswordCheck::Passed) {
    outcome.message = PasswordCheckMessage(outcome.check, language).value_or("");
    return outcome;
  }
  Show(kSavingPasswordText.In(language));
  outcome.status = PrepareClient() ? client_.UpdateAccountInfo(newPassword) : kResultInterrupted;
  Show({});
  if (outcome.status != 0) {
    outcome.message = PasswordChangeFailedMessage(outcome.status, language);
    return outcome;
  }
  if (newPassword != state_.GetTypedPassword()) {
    state_.SetTypedPassword(newPassword);
    state_.SetPasswordDigest(CMD5Checksum::HexDigest(newPassword),
                             static_cast<int>(newPassword.size()));
    state_.SetLoggedIn(false);
  }
  outcome.message = kPasswordChangedText.In(language);
  return outcome;
}

}  // namespace vorla

// The login procedure of the translator state: the attempt loop around the `chkrauth`
// exchange, the login thread, the silent re-login and the lexicon lists every login fetches.
#include <algorithm>
#include <thread>

#include "common/ApplicationClosing.h"
#include "service/LoginResults.h"
#include "service/LoginTexts.h"
#include "service/ServiceClient.h"
#include "translation/TranslatorState.h"

namespace vorla {

void TranslatorState::SetLoginHooks(LoginHooks hooks) {
  std::lock_guard lock(mutex_);
  hooks_ = std::move(hooks);
}

IAuthenticationObserver* TranslatorState::Observer() const {
  std::lock_guard lock(mutex_);
  return hooks_.observer;
}

void TranslatorState::Report(bool report, std::string_view text) const {
  if (!report || text.empty()) return;
  std::shared_ptr<StatusBar> statusBar;
  {
    std::lock_guard lock(mutex_);
    statusBar = hooks_.statusBar;
  }
  if (statusBar) statusBar->ShowStatus(text);
}

int TranslatorState::Login(const LoginOptions& options) {
  if (IsLoggedIn() && !options.forceDialog) return kLoginOk;
  const bool report =
      options.statusBarMode == -1 ? GetStatusBarReporting() : options.statusBarMode != 0;
  const int result = LoginAttempts(options, report);
  if (result != kLoginCancelled) {
    if (const auto text = LoginStatusText(result)) {
      Report(report, text->In(config_->GetUiLanguage()));
    }
  }
  if (IAuthenticationObserver* observer = Observer()) {
    observer->OnLoginFinished(GetUserName(), result);
  }
  return result;
}

int TranslatorState::LoginAttempts(const LoginOptions& options, bool report) {
  const UiLanguage language = config_->GetUiLanguage();
  LoginDialogParameters parameters;
  parameters.userName = GetUserName();
  parameters.remember = GetRemember();
  std::string typedPassword = GetTypedPassword();
  parameters.useStoredDigest = typedPassword.empty() && GetStoredDigest().has_value();
  std::optional<int> lastResult;

  for (int attempt = 0; attempt < options.attempts; ++attempt) {
    const bool prompt =
        attempt > 0 || !GetStoredDigest() || parameters.userName.empty() || options.forceDialog;
    if (prompt) {
      if (options.promptFree) return kLoginInvalidPassword;
      if (IAuthenticationObserver* observer = Observer()) observer->OnLoginPrompt(0);
      const std::string placeholder = PasswordPlaceholder(GetPasswordLength());
      parameters.password = parameters.useStoredDigest ? placeholder : typedPassword;
      parameters.lastResult = lastResult;
      std::shared_ptr<LoginPrompt> loginPrompt;
      {
        std::lock_guard lock(mutex_);
        loginPrompt = hooks_.prompt;
      }
      // While the program closes, every question answers "cancelled" at once.
      const bool logIn = !IsApplicationClosing() && loginPrompt && loginPrompt->Ask(parameters);
      SetRemember(parameters.remember);
      if (!logIn) return lastResult.value_or(kLoginCancelled);
      if (parameters.useStoredDigest && parameters.password == placeholder) {
        typedPassword.clear();
      } else {
        parameters.useStoredDigest = false;
        typedPassword = parameters.password;
      }
    }
    SetUserName(parameters.userName);
    SetTypedPassword(typedPassword);
    Report(report, kLoggingInText.In(language));

    ServiceClient client;
    std::shared_ptr<HttpConnFactory> connections;
    {
      std::lock_guard lock(mutex_);
      connections = hooks_.connections;
    }
    client.Initialise(config_, this, std::move(connections));
    StampLoginTime();
    const std::optional<std::string> storedDigest =
        parameters.useStoredDigest ? GetStoredDigest() : std::nullopt;
    const int result =
        client.CheckAuthentication(*this, parameters.userName, typedPassword, storedDigest,
                                   options.versionCheck, kRepeatOnce, options.jobObserver);
    if (result == kLoginOk) {
      NormalisePair();
      return kLoginOk;
    }
    lastResult = result;
    if (const auto text = LoginStatusText(result)) Report(report, text->In(language));
  }
  return lastResult.value_or(kLoginCancelled);
}

void TranslatorState::StartLoginThread(int attempts, int statusBarMode, bool forceDialog) {
  std::lock_guard lock(threadsMutex_);
  // Threads that have ended are joined at once; the others when the state goes.
  std::erase_if(loginThreads_, [](const LoginThread& t) { return t.done->load(); });
  auto done = std::make_shared<std::atomic<bool>>(false);
  LoginOptions options;
  options.attempts = attempts;
  options.statusBarMode = statusBarMode;
  options.forceDialog = forceDialog;
  loginThreads_.push_back(
      {done, std::jthread([this, options, done, observer = RefPtr(Observer())]() mutable {
         Login(options);
         // Releasing the observer may end its owner and this state on this thread.
         observer.reset();
         done->store(true);
       })});
}

bool TranslatorState::WaitForLoginThreads(std::chrono::steady_clock::time_point deadline) {
  constexpr auto kPollPeriod = std::chrono::milliseconds(10);
  const auto allEnded = [this] {
    std::lock_guard lock(threadsMutex_);
    return std::ranges::all_of(loginThreads_, [](const LoginThread& t) { return t.done->load(); });
  };
  while (!allEnded()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollPeriod);
  }
  return true;
}

void TranslatorState::JoinLoginThreads() {
  std::vector<LoginThread> threads;
  {
    std::lock_guard lock(threadsMutex_);
    threads = std::move(loginThreads_);
    loginThreads_.clear();
  }
  for (LoginThread& t : threads) {
    if (t.thread.get_id() == std::this_thread::get_id()) t.thread.detach();
  }
  // Destroying the others joins them.
  threads.clear();
}

bool TranslatorState::Relogin() {
  SetLoggedIn(false);
  LoginOptions options;
  options.attempts = 1;
  return Login(options) == kLoginOk;
}

int TranslatorState::GetLexiconInfo() {
  ServiceClient client;
  std::shared_ptr<LexiconInfoReceiver> lexicons;
  std::shared_ptr<HttpConnFactory> connections;
  {
    std::lock_guard lock(mutex_);
    lexicons = hooks_.lexicons;
    connections = hooks_.connections;
  }
  client.Initialise(config_, this, std::move(connections));
  std::string lists;
  const int result = client.RequestLexiconInfo(lists);
  if (result == 0 && lexicons) lexicons->ReceiveLexiconInfo(lists);
  return result;
}

}  // namespace vorla

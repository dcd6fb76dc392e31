#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/HttpConn.h"
#include "service/HttpConnFactory.h"
#include "service/LoginSession.h"
#include "translation/IAuthenticationObserver.h"
#include "translation/LanguagePairs.h"
#include "translation/LanguageView.h"
#include "translation/LexiconInfoReceiver.h"
#include "translation/LoginPrompt.h"
#include "translation/StatusBar.h"

namespace vorla {

// The language and login state the translator, its jobs, the login and the account share:
// the current pair, the pairs and further languages the account may use, the login and the
// account values. Every operation takes the state's lock, so worker threads and the window
// thread may use it at once. Texts (user name, password, digest) are Windows-1252 bytes.
class TranslatorState : public LanguageView, public LoginSession {
 public:
  // A login older than this many seconds counts as expired where a caller checks it.
  static constexpr int kDefaultLoginValidity = 1740;

  // Reads the language and login values from the settings; sessionNumber is this run's
  // number (CountProgramStart).
  TranslatorState(RefPtr<Config> config, int sessionNumber);
  // Waits for the login threads it started.
  ~TranslatorState() override;
  TranslatorState(const TranslatorState&) = delete;
  TranslatorState& operator=(const TranslatorState&) = delete;

  Config& GetConfig() const { return *config_; }
  int SessionNumber() const { return sessionNumber_; }

  // ---- Language pair ("LanInf1" to "LanInf4"). Each setter stores and writes at once.
  int GetSourceLanguage() const override;
  int GetTargetLanguage() const override;
  bool GetAutoDirection() const override;
  bool IsPairAvailable(int source, int target) const override;
  LanguagePair GetPair() const;
  int GetAvailablePairs() const;
  // False, and nothing changed, for a code outside the known ones.
  bool SetSourceLanguage(int code);
  bool SetTargetLanguage(int code);
  void SetAutoDirection(bool automatic);
  void SetAvailablePairs(int bits);
  // Sets both codes and the switch, as a menu command or the language dialog does, and
  // clears the pending notice. False, and nothing changed, for an unknown code.
  bool ChoosePair(const LanguagePair& pair);
  // The languages the service chose under automatic direction become the current ones,
  // unless the pair is no longer `sent` (the user chose another while the job ran): the
  // service's pick and the user's choice are never mixed.
  void AdoptServicePick(const LanguagePair& sent, int source, int target);
  // Whether the current pair is a further-language translation of this account.
  bool IsFurtherPair() const;
  // Re-checks the current pair against the account type and the available pairs.
  void NormalisePair();
  // Set at start when the stored pair holds a further language other than English or
  // Finnish; cleared when the user chooses a pair and by the first server translation.
  bool IsNoticePending() const;
  void ClearNotice();

  // ---- Login ("UsrInf1", "UsrInf2", "UsrInf5", "UsrInf6", "LgnCnt").
  std::string GetUserName() const;
  // Keeps the name for this run and, with remember on, stores it.
  void SetUserName(std::string_view userName);
  // The password typed in this run; empty when the stored digest is used.
  std::string GetTypedPassword() const;
  void SetTypedPassword(std::string_view password);
  // The stored digest when it is one (32 lower-case hexadecimal digits), else nothing.
  std::optional<std::string> GetStoredDigest() const;
  int GetPasswordLength() const;
  bool GetRemember() const;
  // Stores the flag; with remember off the stored user name and digest are emptied at once.
  void SetRemember(bool remember);
  // The digest of the password in use: kept, and with remember on stored with the length
  // of the typed password (the stored length stays when no length is given).
  void SetPasswordDigest(std::string_view digest, std::optional<int> typedLength);

  bool IsLoggedIn() const;
  // Logged in, and the login is not older than the login validity: a validity of 0 is never
  // valid, a negative one never expires.
  bool HasValidLogin() const;
  void SetLoggedIn(bool loggedIn);
  // Records now as the time of the last login request.
  void StampLoginTime();
  void SetLoginValidity(int seconds);
  int GetLoginCount() const;
  void CountLogin();
  // Logged out, account type and quota 0 (stored), the digest forgotten (with remember on
  // also the stored digest and length).
  void Logout();

  // ---- Logging in.
  // What a login works with, set once by the program before any login: the connections,
  // the prompt, the status line, the observer and the receiver of the lexicon lists. A login
  // holds what it uses until it ends; the observer (the translator, which owns this state)
  // outlives the state, and a login thread holds it while it runs.
  struct LoginHooks {
    std::shared_ptr<HttpConnFactory> connections;
    std::shared_ptr<LoginPrompt> prompt;
    std::shared_ptr<StatusBar> statusBar;
    IAuthenticationObserver* observer = nullptr;
    std::shared_ptr<LexiconInfoReceiver> lexicons = nullptr;
  };
  void SetLoginHooks(LoginHooks hooks);

  struct LoginOptions {
    // How many requests may be made: 4 for interactive use, 1 for automatic logins.
    int attempts = 4;
    // -1: report in the status line as the status-bar flag says; 0: never; 1: always.
    int statusBarMode = -1;
    // Answer 3 instead of prompting.
    bool promptFree = false;
    // Prompt even with stored credentials, and log in even when logged in.
    bool forceDialog = false;
    // Ask the service to refuse a client older than it supports (`vchkt`).
    bool versionCheck = false;
    // The job waiting for this login, whose progress display reports a repeated request.
    RefPtr<IHttpConnObserver> jobObserver;
  };
  // Logs in: at once 0 when logged in; otherwise with the stored name and digest, or with
  // what the prompt answers, until a request succeeds or the attempts are used up. The
  // result is 0 or the result of the last request (11 when cancelled before any).
  int Login(const LoginOptions& options);
  // Runs Login on a thread of its own (the "Log in..." command: 4 attempts, forced prompt).
  // The thread holds the observer, and with it the owner of this state, until it ends.
  void StartLoginThread(int attempts, int statusBarMode, bool forceDialog);
  // At exit: waits until every login thread has ended, at most until the deadline; whether
  // they all have. One still running keeps the observer, the state and its hooks until it
  // ends.
  bool WaitForLoginThreads(std::chrono::steady_clock::time_point deadline);
  // For the owner of the observer as it goes: no login thread that holds the observer is
  // running then, so this waits only for threads at their end; the thread that releases the
  // observer last is let go instead of joining itself.
  void JoinLoginThreads();
  // Fetches the lexicon lists of the logged-in user and hands them to the receiver: 0, the
  // service's status, 2 for a failed exchange, 9 for an answer too long.
  int GetLexiconInfo();
  // The silent login after the service reported an expired session: one attempt.
  bool Relogin() override;
  IAuthenticationObserver* Observer() const;

  // ---- Account ("AccInf1", "AccInf2") and the values of the login answer.
  std::int32_t UserId() const override;
  int GetAccountType() const;
  int GetQuotaLeft() const;
  // Stores both values.
  void SetAccount(int accountType, int quotaLeft);
  // Whether the first account value of the login answer (after the user id) is above 0,
  // which exempts the account from the price check.
  bool IsPriceExempt() const;
  // The user id and the two account values of a login answer.
  void SetLoginValues(std::int32_t userId, const std::array<std::int32_t, 2>& accountValues);

  // Whether the price dialog asks before a translation; its check box turns it off.
  bool GetAskConfirmation() const;
  void SetAskConfirmation(bool ask);
  // Whether logins report progress in the main window's status bar by default.
  bool GetStatusBarReporting() const;
  void SetStatusBarReporting(bool report);

 private:
  void WritePair(const LanguagePair& pair);

  // Logout with the lock held.
  void ForgetLogin();
  // The steps of Login.
  int LoginAttempts(const LoginOptions& options, bool report);
  void Report(bool report, std::string_view text) const;

  RefPtr<Config> config_;
  const int sessionNumber_;
  LoginHooks hooks_;

  mutable std::mutex mutex_;
  LanguagePair pair_;
  int availablePairs_ = kPairsBothDirections;
  bool noticePending_ = false;

  std::string userName_;
  std::string typedPassword_;
  std::string digest_;
  bool remember_ = true;
  int passwordLength_ = 0;
  bool loggedIn_ = false;
  std::int64_t loginTime_ = 0;
  int loginValidity_ = kDefaultLoginValidity;
  int loginCount_ = 0;
  std::int32_t userId_ = 0;
  int accountType_ = 0;
  int quotaLeft_ = 0;
  std::array<std::int32_t, 2> accountValues_{};
  bool askConfirmation_ = true;
  bool statusBarReporting_ = true;

  struct LoginThread {
    std::shared_ptr<std::atomic<bool>> done;
    std::jthread thread;
  };
  std::mutex threadsMutex_;
  std::vector<LoginThread> loginThreads_;
};

// Whether a text is a password digest as this client makes them: 32 lower-case hexadecimal
// digits.
bool IsPasswordDigest(std::string_view text);

}  // namespace vorla

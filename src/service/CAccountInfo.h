#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/Unknown.h"
#include "service/AccountInfo.h"
#include "service/HttpConnFactory.h"
#include "service/PasswordChange.h"
#include "service/ServiceClient.h"
#include "translation/StatusBar.h"

namespace vorla {

class TranslatorState;

// The user account window's data and work without its window: reading the account and
// changing the password. Shared by the window and its worker threads (each holds a
// reference); closing the window cancels the exchange under way, and workers that end later
// leave it alone.
class CAccountInfo final : public UnknownImpl<IUnknown> {
 public:
  // statusLine shows what a worker is doing (may be null).
  CAccountInfo(TranslatorState& state, std::shared_ptr<HttpConnFactory> connections,
               std::shared_ptr<StatusBar> statusLine);

  struct Outcome {
    int result = 0;       // 0, a login result or the service's status
    std::string message;  // what the status line or a message box shows (UTF-8)
  };

  // Makes sure the user is logged in (a login older than its validity counts as none, and
  // logs in again with 4 attempts), then reads the account; the account type and quota go
  // to the translator state. Once the window has closed: 10, and nothing is sent.
  Outcome LoadAccount();
  const std::optional<AccountInfo>& Account() const { return account_; }

  // The password change: the checks in their order, then `updateaccountinfo`. After a
  // success the new password is the one in use: its digest replaces the stored one and the
  // next request logs in again. Texts are Windows-1252.
  struct PasswordOutcome {
    PasswordCheck check = PasswordCheck::Nothing;
    int status = 0;       // the service's status once sent
    std::string message;  // empty when nothing happened
  };
  PasswordOutcome ChangePassword(std::string_view current, std::string_view newPassword,
                                 std::string_view confirmation);

  // The window has closed: the exchange under way ends at once.
  void Close();
  bool IsClosed() const { return closed_; }

  ~CAccountInfo() override = default;

 private:
  void Show(std::string_view text) const;
  // Makes the client ready for the next exchange; false once the window has closed.
  bool PrepareClient();

  TranslatorState& state_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<StatusBar> statusLine_;
  std::atomic<bool> closed_{false};
  std::optional<AccountInfo> account_;
  // The account's requests, one worker at a time; Close cancels it from the window thread.
  ServiceClient client_;
};

}  // namespace vorla

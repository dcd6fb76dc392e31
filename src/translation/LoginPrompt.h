#pragma once

#include <optional>
#include <string>

namespace vorla {

// What the login prompt shows and what the user answers. Texts are Windows-1252.
struct LoginDialogParameters {
  std::string userName;
  // The password field: the typed password, or the placeholder while the stored digest is
  // offered (useStoredDigest).
  std::string password;
  bool remember = true;
  bool useStoredDigest = false;
  // The result of the attempt before, which the prompt's heading reports; nothing on the
  // first attempt.
  std::optional<int> lastResult;
};

// Asks the user for a name and a password: the desktop client's login dialog, or the
// terminal. Called on the thread that logs in, never while the program is closing.
class LoginPrompt {
 public:
  virtual ~LoginPrompt() = default;

  // True when the user chose "Log in", false when the prompt was cancelled.
  virtual bool Ask(LoginDialogParameters& parameters) = 0;
};

// The placeholder the password field shows for a stored digest: "X" as many times as the
// stored password was long (6 when the stored length is not 1 to 63).
std::string PasswordPlaceholder(int storedLength);

}  // namespace vorla

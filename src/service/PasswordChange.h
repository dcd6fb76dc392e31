#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Bilingual.h"

namespace vorla {

// The outcome of the checks a password change passes before anything is sent.
enum class PasswordCheck {
  Nothing,  // all three fields empty: nothing happens
  Passed,
  TooShort,
  NotAccepted,
  ConfirmationIncorrect,
  CurrentIncorrect,
};

// The checks in their order: length of at least 6, then at most 63 bytes, no blank or
// control byte at either end, not six times the same character and a letter among the
// first six, then the confirmation, then the current password against the stored digest.
// Texts are Windows-1252.
PasswordCheck CheckPasswordChange(std::string_view current, std::string_view newPassword,
                                  std::string_view confirmation, std::string_view storedDigest);

// The warning of a failed check; nothing for Nothing and Passed.
std::optional<std::string> PasswordCheckMessage(PasswordCheck check, UiLanguage language);

// The warning when the service refused the change with this status (2 connection, 5 password
// not accepted, anything else a server error).
std::string PasswordChangeFailedMessage(int status, UiLanguage language);

inline constexpr BilingualText kPasswordChangedText{"Password changed successfully!",
                                                    "Salasana vaihdettu onnistuneesti!"};
inline constexpr BilingualText kSavingPasswordText{"Saving password change... please wait",
                                                   "Tallennetaan salasanan muutos... odota hetki"};

}  // namespace vorla

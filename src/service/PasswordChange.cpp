#include "service/PasswordChange.h"

#include <algorithm>
#include <cstdint>

#include "service/CMD5Checksum.h"

namespace vorla {

namespace {

constexpr std::size_t kShortestPassword = 6;
constexpr std::size_t kLongestPassword = 63;
constexpr std::size_t kCheckedPrefix = 6;
constexpr std::uint8_t kFirstVisibleByte = 33;

constexpr BilingualText kFailed{"Failed to change your password!",
                                "Salasanan vaihto ei onnistunut!"};
constexpr BilingualText kTooShort{
    "The new password is too short. It must contain at least 6 characters.",
    "Uusi salasana on liian lyhyt. Siinä tulee olla vähintään 6 merkkiä."};
constexpr BilingualText kNotAccepted{"New password not accepted. Please choose another password.",
                                     "Uusi salasana ei ole kelvollinen. Valitse toinen salasana."};
constexpr BilingualText kConfirmationIncorrect{"Confirm password incorrect.",
                                               "Salasanan vahvistus on väärä."};
constexpr BilingualText kCurrentIncorrect{"Current password incorrect.",
                                          "Nykyinen salasana on väärä."};
constexpr BilingualText kConnectionError{"Server connection error.",
                                         "Virhe yhteydessä palvelimeen."};
constexpr BilingualText kServerError{"An error occured while processing the password change.",
                                     "Virhe palvelimella."};

constexpr int kStatusConnectionError = 2;
constexpr int kStatusNotAccepted = 5;

// Letters of Windows-1252: A-Z, a-z, Š, Ž, š, ž, Ÿ and À to ÿ without × and ÷.
bool IsLetter(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0x8A || c == 0x8E || c == 0x9A ||
         c == 0x9E || c == 0x9F || (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) ||
         c >= 0xF8;
}

bool IsVisible(char c) {
  return static_cast<std::uint8_t>(c) >= kFirstVisibleByte;
}

bool IsAcceptable(std::string_view password) {
  if (password.size() > kLongestPassword) return false;
  if (!IsVisible(password.front()) || !IsVisible(password.back())) return false;
  const std::string_view prefix = password.substr(0, kCheckedPrefix);
  if (std::ranges::all_of(prefix, [&](char c) { return c == prefix.front(); })) return false;
  return std::ranges::any_of(prefix, [](char c) { return IsLetter(static_cast<std::uint8_t>(c)); });
}

std::string Warning(const BilingualText& reason, UiLanguage language) {
  std::string text(kFailed.In(language));
  text += "\r\n\r\n";
  text += reason.In(language);
  return text;
}

}  // namespace

PasswordCheck CheckPasswordChange(std::string_view current, std::string_view newPassword,
                                  std::string_view confirmation, std::string_view storedDigest) {
  if (current.empty() && newPassword.empty() && confirmation.empty()) {
    return PasswordCheck::Nothing;
  }
  if (newPassword.size() < kShortestPassword) return PasswordCheck::TooShort;
  if (!IsAcceptable(newPassword)) return PasswordCheck::NotAccepted;
  if (confirmation != newPassword) return PasswordCheck::ConfirmationIncorrect;
  if (current.empty() || CMD5Checksum::HexDigest(current) != storedDigest) {
    return PasswordCheck::CurrentIncorrect;
  }
  return PasswordCheck::Passed;
}

std::optional<std::string> PasswordCheckMessage(PasswordCheck check, UiLanguage language) {
  switch (check) {
    case PasswordCheck::TooShort:
      return Warning(kTooShort, language);
    case PasswordCheck::NotAccepted:
      return Warning(kNotAccepted, language);
    case PasswordCheck::ConfirmationIncorrect:
      return Warning(kConfirmationIncorrect, language);
    case PasswordCheck::CurrentIncorrect:
      return Warning(kCurrentIncorrect, language);
    case PasswordCheck::Nothing:
    case PasswordCheck::Passed:
      break;
  }
  return std::nullopt;
}

std::string PasswordChangeFailedMessage(int status, UiLanguage language) {
  if (status == kStatusConnectionError) return Warning(kConnectionError, language);
  if (status == kStatusNotAccepted) return Warning(kNotAccepted, language);
  return Warning(kServerError, language);
}

}  // namespace vorla

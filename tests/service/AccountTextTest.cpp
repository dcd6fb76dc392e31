#include <gtest/gtest.h>

#include <string>

#include "service/AccountInfo.h"
#include "service/CMD5Checksum.h"
#include "service/PasswordChange.h"

namespace vorla {
namespace {

std::string AccountText(const std::string& userName, const std::string& company,
                        const std::string& quota) {
  return userName + "\x01Matti\x01Meik\xe4l\xe4inen\x01" + company +
         "\x01"
         "1\x01"
         "2\x01"
         "3\x01"
         "4\x01"
         "5\x01"
         "6\x01"
         "3\x01" +
         quota + "\x01";
}

TEST(AccountText, ReadsTheFieldsItUses) {
  const auto info = ParseAccountInfo(AccountText("demo", "", "12000"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->userName, "demo");
  EXPECT_EQ(info->firstName, "Matti");
  EXPECT_EQ(info->lastName, "Meik\xe4l\xe4inen");
  EXPECT_EQ(info->company, "");
  EXPECT_EQ(info->accountType, 3);
  EXPECT_EQ(info->quotaLeft, 12000);
}

TEST(AccountText, AFieldWithoutItsEndOrOverItsLimitSpoilsTheWholeText) {
  struct Case {
    const char* what;
    std::string text;
    bool readable;
  };
  std::string withoutFinalEnd = AccountText("demo", "Vorla", "12000");
  withoutFinalEnd.pop_back();
  const Case cases[] = {
      {"missing end after the quota", withoutFinalEnd, false},
      {"user name of 63 bytes", AccountText(std::string(63, 'u'), "", "1"), true},
      {"user name of 64 bytes", AccountText(std::string(64, 'u'), "", "1"), false},
      {"company of 127 bytes", AccountText("demo", std::string(127, 'c'), "1"), true},
      {"company of 128 bytes", AccountText("demo", std::string(128, 'c'), "1"), false},
      {"quota of 15 digits", AccountText("demo", "", std::string(15, '9')), true},
      {"quota of 16 digits", AccountText("demo", "", std::string(16, '9')), false},
      {"fields missing", "demo\x01Matti\x01", false},
      {"empty text", "", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ParseAccountInfo(c.text).has_value(), c.readable) << c.what;
}

TEST(PasswordDigest, LowerCaseHexOfStandardMd5) {
  EXPECT_EQ(CMD5Checksum::HexDigest(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(CMD5Checksum::HexDigest("demo"), "fe01ce2a7fbac8fafaed7c982a04e229");
  EXPECT_EQ(CMD5Checksum::HexDigest("p\xe4ss w&rd"), "e13c4dbae7fd32dfecd879b8af33c27d");
}

TEST(PasswordChange, ChecksInTheirOrder) {
  const std::string stored = CMD5Checksum::HexDigest("secret1");
  struct Case {
    const char* what;
    std::string current, newPassword, confirmation;
    PasswordCheck expected;
  };
  const Case cases[] = {
      {"all empty", "", "", "", PasswordCheck::Nothing},
      {"five characters", "secret1", "abcde", "abcde", PasswordCheck::TooShort},
      {"short beats a wrong current", "wrong", "abc", "xyz", PasswordCheck::TooShort},
      {"six different letters", "secret1", "abcdef", "abcdef", PasswordCheck::Passed},
      {"63 bytes", "secret1", "a1" + std::string(61, 'x'), "a1" + std::string(61, 'x'),
       PasswordCheck::Passed},
      {"64 bytes", "secret1", "a1" + std::string(62, 'x'), "a1" + std::string(62, 'x'),
       PasswordCheck::NotAccepted},
      {"one letter six times", "secret1", "aaaaaa12", "aaaaaa12", PasswordCheck::NotAccepted},
      {"six digits first", "secret1", "123456ab", "123456ab", PasswordCheck::NotAccepted},
      {"leading space", "secret1", " abcdef", " abcdef", PasswordCheck::NotAccepted},
      {"trailing tab", "secret1", "abcdef\t", "abcdef\t", PasswordCheck::NotAccepted},
      {"Windows-1252 letter", "secret1", "12345\xe4", "12345\xe4", PasswordCheck::Passed},
      {"multiplication sign is no letter", "secret1", "12345\xd7", "12345\xd7",
       PasswordCheck::NotAccepted},
      {"confirmation differs", "secret1", "abcdef", "abcdeF", PasswordCheck::ConfirmationIncorrect},
      {"not accepted beats confirmation", "secret1", "111111", "x", PasswordCheck::NotAccepted},
      {"current wrong", "secret2", "abcdef", "abcdef", PasswordCheck::CurrentIncorrect},
      {"current empty", "", "abcdef", "abcdef", PasswordCheck::CurrentIncorrect},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckPasswordChange(c.current, c.newPassword, c.confirmation, stored), c.expected)
        << c.what;
  }
}

TEST(PasswordChange, Messages) {
  EXPECT_EQ(PasswordCheckMessage(PasswordCheck::TooShort, UiLanguage::English),
            "Failed to change your password!\r\n\r\nThe new password is too short. It must "
            "contain at least 6 characters.");
  EXPECT_EQ(PasswordCheckMessage(PasswordCheck::CurrentIncorrect, UiLanguage::Finnish),
            "Salasanan vaihto ei onnistunut!\r\n\r\nNykyinen salasana on väärä.");
  EXPECT_EQ(PasswordCheckMessage(PasswordCheck::Passed, UiLanguage::English), std::nullopt);
  EXPECT_EQ(PasswordChangeFailedMessage(2, UiLanguage::English),
            "Failed to change your password!\r\n\r\nServer connection error.");
  EXPECT_EQ(PasswordChangeFailedMessage(5, UiLanguage::Finnish),
            "Salasanan vaihto ei onnistunut!\r\n\r\nUusi salasana ei ole kelvollinen. Valitse "
            "toinen salasana.");
  EXPECT_EQ(PasswordChangeFailedMessage(1, UiLanguage::English),
            "Failed to change your password!\r\n\r\nAn error occured while processing the "
            "password change.");
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include "service/CAccountInfo.h"
#include "service/CMD5Checksum.h"
#include "service/LoginFixture.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

using test::LoginFixture;

const std::string kDemoDigest = "fe01ce2a7fbac8fafaed7c982a04e229";

struct AccountFixture : LoginFixture {
  AccountFixture() : LoginFixture({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}}) {}

  RefPtr<CAccountInfo> Account() {
    return MakeRef<CAccountInfo>(*state_, connections_, statusBar_);
  }
};

TEST(Account, LogsInSilentlyAndReadsTheAccount) {
  AccountFixture f;
  const auto account = f.Account();
  const CAccountInfo::Outcome outcome = account->LoadAccount();
  ASSERT_EQ(outcome.result, 0) << outcome.message;
  const AccountInfo& info = *account->Account();
  EXPECT_EQ(info.userName, "demo");
  EXPECT_EQ(info.firstName, "Demo");
  EXPECT_EQ(info.company, "Vorla Systems");
  EXPECT_EQ(info.accountType, 2);
  EXPECT_EQ(f.Stored("AccInf1"), "2");
  EXPECT_EQ(f.Requests("chkrauth").size(), 1u);
  EXPECT_EQ(f.Requests("getaccountinfo")[0].body, "cmd=getaccountinfo&p=2&pid=4");

  EXPECT_EQ(f.statusBar_->texts,
            (std::vector<std::string>{"Kirjaudutaan sisään... odota hetki",
                                      "Ladataan käyttäjätilin tietoja... odota hetki", ""}));

  // A login older than its validity counts as none (a validity of 0 is never valid).
  f.state_->SetLoginValidity(0);
  ASSERT_EQ(account->LoadAccount().result, 0);
  EXPECT_EQ(f.Requests("chkrauth").size(), 2u);
  EXPECT_EQ(f.Requests("getaccountinfo").size(), 2u);
  const std::size_t shown = f.statusBar_->texts.size();

  // Once the window has closed, a worker sends nothing and leaves its status line alone.
  account->Close();
  EXPECT_EQ(account->LoadAccount().result, kResultInterrupted);
  EXPECT_EQ(f.Requests("chkrauth").size(), 2u);
  EXPECT_EQ(f.Requests("getaccountinfo").size(), 2u);
  EXPECT_EQ(f.statusBar_->texts.size(), shown);
}

TEST(Account, AccountTextUpToItsLimit) {
  const std::string valid =
      "demo\x01"
      "D\x01"
      "U\x01\x01"
      "0\x01"
      "0\x01"
      "0\x01"
      "0\x01"
      "0\x01"
      "0\x01"
      "3\x01"
      "77\x01";
  struct Case {
    std::int32_t length;
    int result;
  };
  for (const Case& c : {Case{4095, 0}, Case{4096, 9}}) {
    AccountFixture f;
    f.config_->SetUiLanguage(UiLanguage::English);
    sim::Faults faults;
    std::string text = valid + std::string(static_cast<std::size_t>(c.length) - valid.size(), 'x');
    faults.rawAnswer = sim::Int32s({0, c.length}) + text;
    f.sim_.SetFaults("getaccountinfo", faults);
    const auto account = f.Account();
    const CAccountInfo::Outcome outcome = account->LoadAccount();
    EXPECT_EQ(outcome.result, c.result) << c.length;
    if (c.result == 0) {
      EXPECT_EQ(account->Account()->quotaLeft, 77);
    } else {
      EXPECT_EQ(outcome.message, "Reading account info from the server failed.");
    }
  }
}

TEST(Account, UnreadableTextIsReportedAsAFailure) {
  AccountFixture f;
  sim::Faults faults;
  faults.rawAnswer = sim::Int32s({0, 5}) + "demo\x01";
  f.sim_.SetFaults("getaccountinfo", faults);
  const auto account = f.Account();
  EXPECT_NE(account->LoadAccount().result, 0);
  EXPECT_FALSE(account->Account());
}

TEST(Account, AnExpiredSessionLogsInAgainOnce) {
  AccountFixture f;
  ASSERT_EQ(f.LogIn(1), 0);
  sim::Faults faults;
  faults.expireSession = true;
  faults.times = 1;
  f.sim_.SetFaults("getaccountinfo", faults);
  const auto account = f.Account();
  ASSERT_EQ(account->LoadAccount().result, 0);
  EXPECT_EQ(f.Requests("getaccountinfo").size(), 2u);
  EXPECT_EQ(f.Requests("chkrauth").size(), 2u);
  EXPECT_TRUE(f.prompt_->shown.empty());
}

TEST(Account, PasswordChangeReplacesTheDigestAndLogsInAgain) {
  AccountFixture f;
  const auto account = f.Account();
  ASSERT_EQ(account->LoadAccount().result, 0);
  const auto outcome = account->ChangePassword("demo", "n3wpass", "n3wpass");
  EXPECT_EQ(outcome.check, PasswordCheck::Passed);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(f.Requests("updateaccountinfo")[0].body,
            "cmd=updateaccountinfo&p=2&pid=4&passwd=n3wpass");
  const std::string newDigest = CMD5Checksum::HexDigest("n3wpass");
  EXPECT_EQ(f.Stored("UsrInf2"), newDigest);
  EXPECT_EQ(f.Stored("UsrInf6"), "7");
  EXPECT_FALSE(f.state_->IsLoggedIn());

  // The next request logs in with the new password.
  ASSERT_EQ(account->LoadAccount().result, 0);
  EXPECT_EQ(*f.Requests("chkrauth").back().Field("pwd"), newDigest);
}

TEST(Account, RefusedPasswordChanges) {
  AccountFixture f;
  f.config_->SetUiLanguage(UiLanguage::English);
  const auto account = f.Account();
  ASSERT_EQ(account->LoadAccount().result, 0);

  const auto wrongCurrent = account->ChangePassword("nope", "abcdef", "abcdef");
  EXPECT_EQ(wrongCurrent.check, PasswordCheck::CurrentIncorrect);
  EXPECT_EQ(wrongCurrent.message,
            "Failed to change your password!\r\n\r\nCurrent password incorrect.");
  EXPECT_TRUE(f.Requests("updateaccountinfo").empty());

  sim::Faults faults;
  faults.rawAnswer = sim::Int32s({5, 0});
  f.sim_.SetFaults("updateaccountinfo", faults);
  const auto refused = account->ChangePassword("demo", "abcdef", "abcdef");
  EXPECT_EQ(refused.status, 5);
  EXPECT_EQ(refused.message,
            "Failed to change your password!\r\n\r\nNew password not accepted. Please choose "
            "another password.");
  EXPECT_EQ(f.Stored("UsrInf2"), kDemoDigest);
  EXPECT_TRUE(f.state_->IsLoggedIn());
}

}  // namespace
}  // namespace vorla

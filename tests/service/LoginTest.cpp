#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/ApplicationClosing.h"
#include "service/LoginFixture.h"
#include "support/RecordingObserver.h"

namespace vorla {
namespace {

using test::LoginFixture;

const std::string kDemoDigest = "fe01ce2a7fbac8fafaed7c982a04e229";

TEST(Login, TypedPasswordSendsItsDigestAndIsRemembered) {
  LoginFixture f;
  f.prompt_->answers.push_back({"demo", "demo"});
  ASSERT_EQ(f.LogIn(), 0);

  const auto logins = f.Requests("chkrauth");
  ASSERT_EQ(logins.size(), 1u);
  EXPECT_EQ(logins[0].body,
            "cmd=chkrauth&p=12&type=1&pid=4&ver=3.1.2&uil=1&plt=0&osmav=0&osmiv=0&ost=0&dspm=0"
            "&login=demo&pwd=" +
                kDemoDigest);
  EXPECT_TRUE(f.state_->IsLoggedIn());
  EXPECT_EQ(f.Stored("UsrInf1"), "demo");
  EXPECT_EQ(f.Stored("UsrInf2"), kDemoDigest);
  EXPECT_EQ(f.Stored("UsrInf6"), "4");
  EXPECT_EQ(f.Stored("LgnCnt"), "1");
  EXPECT_EQ(f.Stored("LanInf4"), "7");
  EXPECT_EQ(f.Stored("EnFiEngInf1"), "5.2.10.1");
  EXPECT_EQ(f.Stored("EnFiEngInf2"), "20240115");
  EXPECT_TRUE(f.state_->IsPriceExempt());
  EXPECT_GT(f.state_->UserId(), 0);
  EXPECT_EQ(f.observer_->prompts, 1);
  EXPECT_EQ(f.observer_->finished, std::vector<int>{0});

  // The lexicon lists came with the login, under the user's id and session.
  const auto lexicons = f.Requests("getlexinfo");
  ASSERT_EQ(lexicons.size(), 1u);
  EXPECT_EQ(lexicons[0].body, "cmd=getlexinfo&p=7&lanpairs=3&voctype=2&nvoctype=3&pid=4&uid=" +
                                  std::to_string(f.state_->UserId()));
  EXPECT_NE(f.Stored("EnFiLexInf").find("10001:0:1:0:Demo terms;"), std::string::npos);
  EXPECT_NE(f.Stored("FiEnLexInf").find("10002:0:1:1:Demo phrases;"), std::string::npos);
}

TEST(Login, StoredDigestLogsInWithoutAPrompt) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}, {"UsrInf6", "4"}});
  ASSERT_EQ(f.LogIn(1), 0);
  EXPECT_TRUE(f.prompt_->shown.empty());
  EXPECT_EQ(f.observer_->prompts, 0);
  ASSERT_EQ(f.Requests("chkrauth").size(), 1u);
  EXPECT_EQ(*f.Requests("chkrauth")[0].Field("pwd"), kDemoDigest);
  EXPECT_EQ(f.Stored("UsrInf6"), "4");
  // Logged in: the next login asks nothing.
  EXPECT_EQ(f.LogIn(), 0);
  EXPECT_EQ(f.Requests("chkrauth").size(), 1u);
}

TEST(Login, ThePromptOffersTheStoredPasswordAsPlaceholder) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}, {"UsrInf6", "4"}});
  f.prompt_->answers.push_back({"demo", "XXXX"});
  TranslatorState::LoginOptions options;
  options.forceDialog = true;
  ASSERT_EQ(f.state_->Login(options), 0);
  ASSERT_EQ(f.prompt_->shown.size(), 1u);
  EXPECT_EQ(f.prompt_->shown[0].password, "XXXX");
  EXPECT_TRUE(f.prompt_->shown[0].useStoredDigest);
  EXPECT_EQ(*f.Requests("chkrauth")[0].Field("pwd"), kDemoDigest);
}

TEST(Login, RememberOffEmptiesTheStoredNameAndDigest) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
  f.prompt_->answers.push_back({"demo", "demo", false});
  TranslatorState::LoginOptions options;
  options.forceDialog = true;
  ASSERT_EQ(f.state_->Login(options), 0);
  EXPECT_EQ(f.Stored("UsrInf5"), "false");
  EXPECT_EQ(f.Stored("UsrInf1"), "");
  EXPECT_EQ(f.Stored("UsrInf2"), "");
  // The digest stays for this run, so a silent login still works.
  f.state_->SetLoggedIn(false);
  EXPECT_EQ(f.LogIn(1), 0);
  EXPECT_EQ(f.prompt_->shown.size(), 1u);
}

TEST(Login, FourWrongPasswordsEndWithThree) {
  LoginFixture f;
  for (int i = 0; i < 4; ++i)
    f.prompt_->answers.push_back({"demo", "wrong"});
  f.config_->SetUiLanguage(UiLanguage::English);
  EXPECT_EQ(f.LogIn(), 3);
  EXPECT_EQ(f.Requests("chkrauth").size(), 4u);
  ASSERT_EQ(f.prompt_->shown.size(), 4u);
  EXPECT_EQ(f.prompt_->shown[0].lastResult, std::nullopt);
  EXPECT_EQ(f.prompt_->shown[3].lastResult, 3);
  ASSERT_FALSE(f.statusBar_->texts.empty());
  EXPECT_EQ(f.statusBar_->texts.back(), "Login failed - invalid username or password");
  EXPECT_FALSE(f.state_->IsLoggedIn());
  EXPECT_EQ(f.observer_->finished, std::vector<int>{3});
}

TEST(Login, CancelledPromptGivesElevenOrTheLastResult) {
  LoginFixture f;
  // Asked not to prompt, without stored credentials: 3 at once.
  TranslatorState::LoginOptions promptFree;
  promptFree.promptFree = true;
  EXPECT_EQ(f.state_->Login(promptFree), 3);
  EXPECT_EQ(f.LogIn(), 11);
  EXPECT_TRUE(f.Requests("chkrauth").empty());
  f.prompt_->answers.push_back({"demo", "wrong"});
  EXPECT_EQ(f.LogIn(), 3);
  EXPECT_EQ(f.prompt_->shown.size(), 3u);
  EXPECT_EQ(f.observer_->finished, (std::vector<int>{3, 11, 3}));
}

TEST(Login, UserNameWithFormCharactersIsEscaped) {
  LoginFixture f;
  sim::SimAccount odd;
  odd.name = "a&b c+d=%";
  odd.digest = sim::PasswordDigest("secret");
  odd.lexicons = sim::LexiconLists({}, {});
  f.sim_.context().accounts.Add(odd);
  f.prompt_->answers.push_back({odd.name, "secret"});
  ASSERT_EQ(f.LogIn(), 0);
  const std::string body = f.Requests("chkrauth")[0].body;
  EXPECT_NE(body.find("&login=a%26b+c%2bd%3d%25&pwd="), std::string::npos) << body;
}

TEST(Login, TimeOutsAreTakenOnlyWithinTheirBounds) {
  struct Case {
    int text, file;
    int expectedText, expectedFile;
  };
  const Case cases[] = {{59'999, 179'999, 120'000, 300'000},
                        {60'000, 180'000, 60'000, 180'000},
                        {3'600'000, 3'600'000, 3'600'000, 3'600'000},
                        {3'600'001, 3'600'001, 120'000, 300'000}};
  for (const Case& c : cases) {
    LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
    sim::SimAccount demo = sim::DemoAccount();
    demo.textTimeout = c.text;
    demo.fileTimeout = c.file;
    demo.maxTranslationLength = 5000;
    demo.maxDictionaries = 7;
    demo.maxDictionarySize = 900;
    f.sim_.context().accounts.Add(demo);
    ASSERT_EQ(f.LogIn(1), 0);
    const ServiceLimits& limits = f.config_->limits;
    EXPECT_EQ(limits.tr_request_timeout, c.expectedText) << c.text;
    EXPECT_EQ(limits.filetr_request_timeout, c.expectedFile) << c.file;
    EXPECT_EQ(limits.max_translation_len, 5000);
    EXPECT_EQ(limits.max_count, 7);
    EXPECT_EQ(limits.max_size, 900);
  }
}

TEST(Login, StatusEightEndsTheAnswerOtherStatusesCarrySixteenBytes) {
  struct Case {
    std::string answer;
    int result;
  };
  const Case cases[] = {
      {sim::Int32s({8}), 8},
      {sim::Int32s({5}) + std::string(16, '\0'), 5},
      {sim::Int32s({12}) + std::string(16, '\0'), 12},
      {sim::Int32s({5}) + std::string(15, '\0'), 9},
      {sim::Int32s({0}) + std::string(75, '\0'), 9},
      {std::string(3, '\0'), 9},
  };
  for (const Case& c : cases) {
    LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
    sim::Faults faults;
    faults.rawAnswer = c.answer;
    f.sim_.SetFaults("chkrauth", faults);
    EXPECT_EQ(f.LogIn(1), c.result) << c.result;
    EXPECT_FALSE(f.state_->IsLoggedIn());
  }
}

TEST(Login, RefusedAccountsAndOldClients) {
  sim::SimAccount disabled;
  disabled.name = "gone";
  disabled.digest = sim::PasswordDigest("secret");
  disabled.status = 5;
  LoginFixture f;
  f.sim_.context().accounts.Add(disabled);
  f.state_->SetAccount(3, 100);
  f.prompt_->answers.push_back({"gone", "secret"});
  EXPECT_EQ(f.LogIn(1), 5);
  EXPECT_EQ(f.state_->GetAccountType(), 0);
  EXPECT_EQ(f.Stored("AccInf2"), "0");

  f.sim_.context().minimumVersion = "3.2";
  TranslatorState::LoginOptions options;
  options.attempts = 1;
  options.forceDialog = true;
  f.prompt_->answers.push_back({"demo", "demo"});
  EXPECT_EQ(f.state_->Login(options), 15);
  EXPECT_EQ(f.Requests("chkrauth").back().Field("vchkt"), nullptr);
  // Asking for the version check, the same client logs in to fetch its update.
  options.versionCheck = true;
  f.prompt_->answers.push_back({"demo", "demo"});
  EXPECT_EQ(f.state_->Login(options), 0);
  EXPECT_EQ(*f.Requests("chkrauth").back().Field("vchkt"), "1");
}

TEST(Login, FailedLexiconListsFailTheLogin) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
  sim::Faults faults;
  faults.rawAnswer = sim::Int32s({-9, 0});
  f.sim_.SetFaults("getlexinfo", faults);
  EXPECT_EQ(f.LogIn(1), 9);
  EXPECT_FALSE(f.state_->IsLoggedIn());
  EXPECT_EQ(f.Stored("LgnCnt"), "-");
}

TEST(Login, LexiconListsOverTheLimitFailTheLogin) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
  f.config_->limits.max_lex_info_len = 10;
  sim::Faults faults;
  faults.rawAnswer = sim::Int32s({0, 10}) + "1:0:0:0:Ab";
  f.sim_.SetFaults("getlexinfo", faults);
  EXPECT_EQ(f.LogIn(1), 9);
}

TEST(Login, ADroppedConnectionIsRepeatedOnlyForAWaitingJob) {
  for (const bool jobWaiting : {true, false}) {
    LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}});
    sim::Faults faults;
    faults.closeAfter = 0;
    faults.times = 1;
    f.sim_.SetFaults("chkrauth", faults);
    const RefPtr<IHttpConnObserver> job =
        jobWaiting ? RefPtr<IHttpConnObserver>(MakeRef<test::RecordingObserver>()) : nullptr;
    EXPECT_EQ(f.LogIn(1, job), jobWaiting ? 0 : 9);
    EXPECT_EQ(f.observer_->retries, jobWaiting ? 1 : 0);
    EXPECT_EQ(f.Requests("chkrauth").size(), jobWaiting ? 2u : 1u);
  }
}

TEST(Login, NoPromptWhileTheProgramCloses) {
  LoginFixture f;
  f.prompt_->answers.push_back({"demo", "demo"});
  SetApplicationClosing();
  EXPECT_EQ(f.LogIn(), 11);
  EXPECT_TRUE(f.prompt_->shown.empty());
}

TEST(Login, ClosingCancelsALoginUnderWay) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}, {"UsrInf6", "4"}});
  sim::Faults stalled;
  stalled.stallBefore = std::chrono::seconds(5);
  f.sim_.SetFaults("chkrauth", stalled);
  std::jthread closing([&f] {
    while (f.Requests("chkrauth").empty())
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    SetApplicationClosing();
  });
  EXPECT_NE(f.LogIn(1), 0);
  EXPECT_FALSE(f.state_->IsLoggedIn());
  EXPECT_EQ(f.Requests("chkrauth").size(), 1u);
}

TEST(Login, AnEmptyUserNameLogsOut) {
  LoginFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDemoDigest}, {"UsrInf6", "4"}});
  ASSERT_EQ(f.LogIn(1), 0);
  f.prompt_->answers.push_back({"", ""});
  TranslatorState::LoginOptions options;
  options.attempts = 1;
  options.forceDialog = true;
  EXPECT_EQ(f.state_->Login(options), 2);
  EXPECT_FALSE(f.state_->IsLoggedIn());
  EXPECT_EQ(f.Stored("UsrInf2"), "");
  EXPECT_EQ(f.Stored("UsrInf6"), "0");
  EXPECT_EQ(f.observer_->stateChanges, std::vector<int>{2});
}

TEST(Login, LoginThreadRunsTheLoginInTheBackground) {
  LoginFixture f;
  f.prompt_->answers.push_back({"demo", "demo"});
  f.state_->StartLoginThread(4, -1, true);
  f.state_.reset();  // waits for the thread
  EXPECT_EQ(f.observer_->finished, std::vector<int>{0});
  EXPECT_EQ(f.Stored("UsrInf2"), kDemoDigest);
}

}  // namespace
}  // namespace vorla

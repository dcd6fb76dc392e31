#include <gtest/gtest.h>

#include <limits>

#include "config/SessionCounter.h"
#include "translation/LanguageNames.h"
#include "translation/StateFixture.h"

namespace vorla {
namespace {

using test::StateFixture;

constexpr const char* kDigest = "5f4dcc3b5aa765d61d8327deb882cf99";

TEST(TranslatorState, StartsWithTheDefaultsWhenNothingIsStored) {
  StateFixture f;
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{0, 1, true}));
  EXPECT_EQ(f.state->GetAvailablePairs(), 3);
  EXPECT_TRUE(f.state->GetRemember());
  EXPECT_EQ(f.state->GetStoredDigest(), std::nullopt);
  EXPECT_FALSE(f.state->IsNoticePending());
  EXPECT_FALSE(f.state->IsLoggedIn());
  EXPECT_TRUE(f.state->GetAskConfirmation());
  EXPECT_TRUE(f.state->GetStatusBarReporting());
}

TEST(TranslatorState, ReadsTheStoredLanguageAndLoginValues) {
  StateFixture f({{"LanInf1", "100"},
                  {"LanInf2", "112"},
                  {"LanInf3", "false"},
                  {"LanInf4", "7"},
                  {"UsrInf1", "m\xe4tti"},
                  {"UsrInf2", kDigest},
                  {"UsrInf5", "true"},
                  {"UsrInf6", "8"},
                  {"AccInf1", "3"},
                  {"AccInf2", "5000"},
                  {"LgnCnt", "41"}});
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{100, 112, false}));
  EXPECT_EQ(f.state->GetAvailablePairs(), 7);
  EXPECT_TRUE(f.state->IsNoticePending());
  EXPECT_EQ(f.state->GetUserName(), "m\xe4tti");
  EXPECT_EQ(f.state->GetStoredDigest(), kDigest);
  EXPECT_EQ(f.state->GetPasswordLength(), 8);
  EXPECT_EQ(f.state->GetAccountType(), 3);
  EXPECT_EQ(f.state->GetQuotaLeft(), 5000);
  EXPECT_EQ(f.state->GetLoginCount(), 41);
  EXPECT_TRUE(f.state->IsFurtherPair());
}

TEST(TranslatorState, NoticeOnlyForFurtherLanguagesOtherThanEnglishAndFinnish) {
  struct Case {
    const char *source, *target;
    bool notice;
  };
  const Case cases[] = {{"108", "110", false}, {"215", "1", false}, {"0", "254", true},
                        {"230", "219", true},  {"0", "2", false},   {"98", "1", false}};
  for (const Case& c : cases) {
    StateFixture f({{"LanInf1", c.source}, {"LanInf2", c.target}});
    EXPECT_EQ(f.state->IsNoticePending(), c.notice) << c.source << " -> " << c.target;
  }
}

TEST(TranslatorState, UnknownStoredCodesFallBackToTheDefaultPair) {
  struct Case {
    const char *source, *target;
  };
  const Case cases[] = {{"5000", "1"}, {"-3", "1"},  {"99", "1"},  {"139", "112"},
                        {"0", "199"},  {"1", "264"}, {"abc", "7"}, {"2147483647", "0"}};
  for (const Case& c : cases) {
    StateFixture f({{"LanInf1", c.source}, {"LanInf2", c.target}, {"LanInf3", "false"}});
    const LanguagePair pair = f.state->GetPair();
    EXPECT_EQ(pair, (LanguagePair{0, 1, false})) << c.source << " -> " << c.target;
    EXPECT_FALSE(f.state->IsNoticePending());
    EXPECT_EQ(LanguageName(pair.source, UiLanguage::English), "English");
  }
}

TEST(TranslatorState, SettersStoreAtOnceAndRefuseUnknownCodes) {
  StateFixture f;
  EXPECT_TRUE(f.state->SetSourceLanguage(215));
  EXPECT_TRUE(f.state->SetTargetLanguage(kLanguageInvalidChoice));
  f.state->SetAutoDirection(false);
  f.state->SetAvailablePairs(5);
  EXPECT_EQ(f.Stored("LanInf1"), "215");
  EXPECT_EQ(f.Stored("LanInf2"), "98");
  EXPECT_EQ(f.Stored("LanInf3"), "false");
  EXPECT_EQ(f.Stored("LanInf4"), "5");

  for (const int unknown : {3, 97, 99, 139, 199, 264, -1}) {
    EXPECT_FALSE(f.state->SetSourceLanguage(unknown)) << unknown;
    EXPECT_FALSE(f.state->SetTargetLanguage(unknown)) << unknown;
    EXPECT_FALSE(f.state->ChoosePair({unknown, 1, false})) << unknown;
  }
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{215, 98, false}));
  EXPECT_EQ(f.Stored("LanInf1"), "215");
}

TEST(TranslatorState, ChoosingAPairClearsTheNotice) {
  StateFixture f({{"LanInf1", "230"}, {"LanInf2", "219"}, {"AccInf1", "4"}});
  ASSERT_TRUE(f.state->IsNoticePending());
  EXPECT_TRUE(f.state->ChoosePair({230, 254, false}));
  EXPECT_FALSE(f.state->IsNoticePending());
  EXPECT_EQ(f.Stored("LanInf2"), "254");
}

TEST(TranslatorState, NormalisationAfterLoginIsStored) {
  StateFixture f({{"LanInf1", "100"}, {"LanInf2", "1"}, {"LanInf3", "false"}});
  f.state->SetAccount(0, 0);
  f.state->NormalisePair();
  EXPECT_EQ(f.state->GetPair(), (LanguagePair{0, 1, true}));
  EXPECT_EQ(f.Stored("LanInf1"), "0");
  EXPECT_EQ(f.Stored("LanInf2"), "1");
  EXPECT_EQ(f.Stored("LanInf3"), "true");
}

TEST(TranslatorState, OnlyAWellFormedDigestIsUsed) {
  const char* malformed[] = {"5F4DCC3B5AA765D61D8327DEB882CF99", "5f4dcc3b5aa765d61d8327deb882cf9",
                             "5f4dcc3b5aa765d61d8327deb882cf990",
                             "5f4dcc3b5aa765d61d8327deb882cfzz", ""};
  for (const char* digest : malformed) {
    StateFixture f({{"UsrInf1", "demo"}, {"UsrInf2", digest}});
    EXPECT_EQ(f.state->GetStoredDigest(), std::nullopt) << digest;
  }
}

TEST(TranslatorState, RememberOffEmptiesTheStoredNameAndDigest) {
  StateFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDigest}, {"UsrInf6", "4"}});
  f.state->SetRemember(false);
  EXPECT_EQ(f.Stored("UsrInf5"), "false");
  EXPECT_EQ(f.Stored("UsrInf1"), "");
  EXPECT_EQ(f.Stored("UsrInf2"), "");

  f.state->SetUserName("other");
  f.state->SetPasswordDigest(kDigest, 6);
  EXPECT_EQ(f.Stored("UsrInf1"), "");
  EXPECT_EQ(f.Stored("UsrInf2"), "");
  EXPECT_EQ(f.state->GetUserName(), "other");
  EXPECT_EQ(f.state->GetStoredDigest(), kDigest);
}

TEST(TranslatorState, DigestWithRememberStoresTheTypedLengthOnly) {
  StateFixture f({{"UsrInf6", "9"}});
  f.state->SetPasswordDigest(kDigest, std::nullopt);
  EXPECT_EQ(f.Stored("UsrInf2"), kDigest);
  EXPECT_EQ(f.Stored("UsrInf6"), "9");
  f.state->SetPasswordDigest(kDigest, 4);
  EXPECT_EQ(f.Stored("UsrInf6"), "4");
  EXPECT_EQ(f.state->GetPasswordLength(), 4);
}

TEST(TranslatorState, LogoutForgetsTheDigestAndTheAccount) {
  StateFixture f({{"UsrInf1", "demo"}, {"UsrInf2", kDigest}, {"UsrInf6", "4"}});
  f.state->SetAccount(3, 700);
  f.state->SetLoggedIn(true);
  f.state->Logout();
  EXPECT_FALSE(f.state->IsLoggedIn());
  EXPECT_EQ(f.state->GetStoredDigest(), std::nullopt);
  EXPECT_EQ(f.state->GetAccountType(), 0);
  EXPECT_EQ(f.Stored("AccInf1"), "0");
  EXPECT_EQ(f.Stored("AccInf2"), "0");
  EXPECT_EQ(f.Stored("UsrInf2"), "");
  EXPECT_EQ(f.Stored("UsrInf6"), "0");
  EXPECT_EQ(f.Stored("UsrInf1"), "demo");
}

TEST(TranslatorState, LoginValidity) {
  struct Case {
    int validity;
    bool justLoggedIn;  // else the login time was never stamped: decades ago
    bool valid;
  };
  const Case cases[] = {
      {TranslatorState::kDefaultLoginValidity, true, true},
      {TranslatorState::kDefaultLoginValidity, false, false},
      {0, true, false},  // never valid
      {-1, true, true},  // never expires
      {-1, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.validity << (c.justLoggedIn ? " now" : " long ago"));
    StateFixture f;
    f.state->SetLoginValidity(c.validity);
    f.state->SetLoggedIn(true);
    if (c.justLoggedIn) f.state->StampLoginTime();
    EXPECT_EQ(f.state->HasValidLogin(), c.valid);
    f.state->SetLoggedIn(false);
    EXPECT_FALSE(f.state->HasValidLogin());
  }
}

TEST(TranslatorState, PriceExemption) {
  StateFixture f;
  EXPECT_FALSE(f.state->IsPriceExempt());
  f.state->SetLoginValues(77, {1, 0});
  EXPECT_TRUE(f.state->IsPriceExempt());
  EXPECT_EQ(f.state->UserId(), 77);
  f.state->SetLoginValues(77, {0, 5});
  EXPECT_FALSE(f.state->IsPriceExempt());
}

TEST(SessionCounter, CountsEveryStartAndRestartsWhenDamaged) {
  struct Case {
    const char* stored;
    int expected;
  };
  const std::string max = std::to_string(std::numeric_limits<int>::max());
  const Case cases[] = {{nullptr, 1}, {"41", 42}, {"-5", 1}, {max.c_str(), 1}, {"x", 1}};
  for (const Case& c : cases) {
    StateFixture f;
    if (c.stored) f.store->WriteValue("SesInf1", c.stored);
    EXPECT_EQ(CountProgramStart(f.config->settings()), c.expected) << (c.stored ? c.stored : "-");
    EXPECT_EQ(f.Stored("SesInf1"), std::to_string(c.expected));
  }
}

}  // namespace
}  // namespace vorla

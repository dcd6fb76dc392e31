#include <gtest/gtest.h>

#include "TranslatorFixture.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

// An account that pays by price: every translation is priced first.
class TranslatorPriceTest : public test::TranslatorFixture, public testing::Test {
 protected:
  TranslatorPriceTest() {
    sim::SimAccount payer;
    payer.name = "payer";
    payer.digest = sim::PasswordDigest("pass");
    payer.accountType = 1;
    payer.quota = 100'000;
    sim_.context().accounts.Add(payer);
    prompt_->answers = {{"payer", "pass"}};
    SetPane("Some text to translate.");
  }

  int Translate() { return translator_->StartTranslation({})->WaitForResult(); }

  // A translator started with a further-language pair stored, whose notice is pending, and
  // the price-exempt account "further" / "pass" of the second further-language list.
  void StartWithAFurtherLanguagePair() {
    config_->settings().WriteInteger("LanInf1", 223);
    config_->settings().WriteInteger("LanInf2", 219);
    config_->settings().WriteBoolean("LanInf3", false);
    MakeTranslator();
    sim::SimAccount further;
    further.name = "further";
    further.digest = sim::PasswordDigest("pass");
    further.accountType = 4;
    further.quota = 5'000;
    further.priceExempt = 1;
    sim_.context().accounts.Add(further);
  }

  // Cancels the translation on the job's worker the moment `name` is stored as `value`: the
  // answer that brings the value has been read in full, and the job has not gone on yet.
  void CancelWhenStored(std::string name, std::string value) {
    settings_->Watch([this, name, value](std::string_view written, std::string_view now) {
      if (written == name && now == value) translator_->CancelTranslationCommand();
    });
  }

  void ScriptPrice(int quota) {
    sim::Faults price;
    price.rawAnswer = sim::Int32s({0, 12, 12'500, 300, 1, quota});
    sim_.SetFaults("gettrprice", price);
  }
};

TEST_F(TranslatorPriceTest, ConfirmedTranslationLowersTheQuota) {
  confirmation_->answers = {{true, true}};
  ASSERT_EQ(Translate(), 0);
  ASSERT_EQ(confirmation_->asked.size(), 1u);
  const TranslationInfo& info = confirmation_->asked[0].first;
  EXPECT_EQ(info.source, TranslationInfo::Source::Text);
  EXPECT_EQ(info.words, 12);
  EXPECT_EQ(info.price, 12'500);
  EXPECT_EQ(info.balance, 100'000);
  EXPECT_TRUE(info.balanceSuffices);
  EXPECT_TRUE(confirmation_->asked[0].second);
  ASSERT_EQ(Requests("tr").size(), 1u);
  EXPECT_EQ(translator_->State().GetQuotaLeft(), 87'500);
  // One source, escaped strictly for the price query and not for the translation.
  const sim::SimRequest priceQuery = Requests("gettrprice").at(0);
  const sim::SimRequest translation = Requests("tr").at(0);
  EXPECT_EQ(*priceQuery.Field("srctxt"), *translation.Field("srctxt"));
  EXPECT_NE(priceQuery.body.find("to+translate%2e"), std::string::npos) << priceQuery.body;
  EXPECT_NE(translation.body.find("to+translate."), std::string::npos) << translation.body;
  EXPECT_TRUE(Shown("status: Checking translation info... [hide]"));
}

TEST_F(TranslatorPriceTest, AnswersOfTheQuestion) {
  struct Case {
    const char* name;
    int quota;
    bool translate;
    int result;
  };
  const Case cases[] = {
      {"cancelled", 100'000, false, kResultCancelled},
      {"balance too low, translate", 10'000, true, kResultBalanceInsufficient},
      {"balance too low, cancelled", 10'000, false, kResultBalanceInsufficient},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim_.ClearRequests();
    ScriptPrice(c.quota);
    confirmation_->answers = {{c.translate, true}};
    EXPECT_EQ(Translate(), c.result);
    EXPECT_TRUE(Requests("tr").empty());
    EXPECT_EQ(confirmation_->asked.back().first.balanceSuffices, c.quota == 100'000);
  }
}

TEST_F(TranslatorPriceTest, NoMoreQuestionsAfterTheCheckBox) {
  confirmation_->answers = {{true, false}};
  ASSERT_EQ(Translate(), 0);
  ASSERT_EQ(Translate(), 0);
  EXPECT_EQ(confirmation_->asked.size(), 1u);
  EXPECT_EQ(Requests("gettrprice").size(), 2u);
  // An insufficient balance asks even so.
  ScriptPrice(10'000);
  EXPECT_EQ(Translate(), kResultBalanceInsufficient);
  EXPECT_EQ(confirmation_->asked.size(), 2u);
  EXPECT_FALSE(confirmation_->asked.back().second);
}

TEST_F(TranslatorPriceTest, FurtherLanguageNoticeBeforeTheFirstTranslation) {
  StartWithAFurtherLanguagePair();
  prompt_->answers = {{"further", "pass"}, {"further", "pass"}};

  notice_->answer = false;
  EXPECT_EQ(Translate(), kResultCancelled);
  notice_->answer = true;
  EXPECT_EQ(Translate(), 0);
  EXPECT_EQ(Translate(), 0);
  EXPECT_EQ(notice_->askedFor, (std::vector<int>{4, 4}));
  EXPECT_EQ(Requests("tr").size(), 2u);
  EXPECT_EQ(*Requests("tr").at(0).Field("srclan"), "223");
}

TEST_F(TranslatorPriceTest, AJobCancelledDuringItsPriceQueryAsksNoQuestion) {
  sim::Faults slowPrice;
  slowPrice.stallBefore = std::chrono::milliseconds(300);
  sim_.SetFaults("gettrprice", slowPrice);
  confirmation_->answers = {{true, true}};

  const auto job = translator_->StartTranslation({});
  AwaitRequest("gettrprice");
  translator_->CancelTranslationCommand();
  EXPECT_EQ(job->WaitForResult(), kResultInterrupted);
  EXPECT_TRUE(confirmation_->asked.empty());
  EXPECT_TRUE(Requests("tr").empty());
}

TEST_F(TranslatorPriceTest, AJobCancelledOnceItsPriceHasArrivedAsksNoQuestion) {
  ScriptPrice(99'000);
  CancelWhenStored("AccInf2", "99000");  // the quota the price answer brings
  confirmation_->answers = {{true, true}};

  EXPECT_EQ(translator_->StartTranslation({})->WaitForResult(), kResultInterrupted);
  EXPECT_EQ(Requests("gettrprice").size(), 1u);
  EXPECT_TRUE(confirmation_->asked.empty());
  EXPECT_TRUE(Requests("tr").empty());
}

TEST_F(TranslatorPriceTest, APairChosenDuringThePriceQueryIsKeptWhole) {
  translator_->State().ChoosePair({0, 1, true});
  sim::Faults slowPrice;
  slowPrice.stallBefore = std::chrono::milliseconds(300);
  sim_.SetFaults("gettrprice", slowPrice);
  sim::Faults reversed;
  reversed.rawAnswer = test::TranslationAnswer("ok", 1, 0) + sim::Int32s({0});
  sim_.SetFaults("tr", reversed);
  confirmation_->answers = {{true, true}};

  const auto job = translator_->StartTranslation({});
  AwaitRequest("gettrprice");
  translator_->State().ChoosePair({0, 2, false});
  ASSERT_EQ(job->WaitForResult(), 0);
  // The request went out with the pair of its start, and the service's pick of it replaced
  // nothing the user chose.
  EXPECT_EQ(*Requests("tr").at(0).Field("srclan"), "0");
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{0, 2, false}));
}

TEST_F(TranslatorPriceTest, AJobCancelledDuringItsLoginAsksNoQuestion) {
  StartWithAFurtherLanguagePair();
  prompt_->answers = {{"further", "pass"}};
  sim::Faults slowLogin;
  slowLogin.stallBefore = std::chrono::milliseconds(300);
  sim_.SetFaults("chkrauth", slowLogin);

  const auto job = translator_->StartTranslation({});
  AwaitRequest("chkrauth");
  translator_->CancelTranslationCommand();
  EXPECT_EQ(job->WaitForResult(), kResultInterrupted);
  EXPECT_TRUE(translator_->State().IsLoggedIn());
  EXPECT_TRUE(notice_->askedFor.empty());
  EXPECT_TRUE(Requests("tr").empty());
}

TEST_F(TranslatorPriceTest, AJobCancelledOnceItsLoginHasEndedAsksNoQuestion) {
  StartWithAFurtherLanguagePair();
  prompt_->answers = {{"further", "pass"}};
  CancelWhenStored("LgnCnt", "1");  // the last the login stores
  notice_->answer = true;

  EXPECT_EQ(translator_->StartTranslation({})->WaitForResult(), kResultInterrupted);
  EXPECT_TRUE(translator_->State().IsLoggedIn());
  EXPECT_TRUE(notice_->askedFor.empty());
  EXPECT_TRUE(Requests("tr").empty());
}

}  // namespace
}  // namespace vorla

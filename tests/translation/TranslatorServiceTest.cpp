#include <gtest/gtest.h>

#include "TranslationCommands.h"
#include "TranslationRequest.h"
#include "TranslatorFixture.h"
#include "common/CodePages.h"
#include "documents/rtf/RtfReader.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

// The translator against the simulator's own translation commands.
class TranslatorServiceTest : public test::TranslatorFixture, public testing::Test {
 protected:
  TranslatorServiceTest() {
    sim::RegisterTranslationCommands(sim_);
    for (sim::SimAccount& account : sim::PriceTestAccounts())
      sim_.context().accounts.Add(std::move(account));
  }

  // The translation delivered last, as the pane shows it.
  std::string Shown() const {
    const TranslationDelivery delivery = delivery_->Delivered().back();
    if (!delivery.rtf) return CodePageToUtf8(delivery.codePage, delivery.result).value();
    return PaneText(RtfReader().Read(delivery.result), StreamEncoding::Utf8);
  }

  std::uint32_t LastSentFlags() const {
    return sim::DecodeTranslationRequest(Requests("tr").back()).flags;
  }

  int Translate(std::string_view text) {
    SetPane(text);
    return translator_->StartTranslation({})->WaitForResult();
  }
};

TEST_F(TranslatorServiceTest, RoundTripWithTheSentenceAlignment) {
  translator_->State().ChoosePair({0, 1, false});
  ASSERT_EQ(Translate("The house is big. The dog is small."), 0);
  const std::string finnish = Shown();
  EXPECT_EQ(finnish, "Talo on iso. Koira on pieni.");
  // One pair of positions for each sentence.
  const SentenceAlignment alignment = delivery_->Delivered().back().alignment;
  EXPECT_TRUE(alignment.IsAvailable());
  EXPECT_EQ(alignment.Records(), (std::vector<AlignmentRecord>{{0, 17, 0, 12}, {18, 35, 13, 28}}));

  translator_->State().ChoosePair({1, 0, false});
  ASSERT_EQ(Translate(finnish), 0);
  EXPECT_EQ(Shown(), "House is big. Dog is small.");
  EXPECT_EQ(translator_->LastTranslationLanguages(), (LanguagePair{1, 0, false}));
}

TEST_F(TranslatorServiceTest, LongTextIsPackedBothWays) {
  std::string text;
  while (text.size() <= 1'024)
    text += "The house is big. ";
  ASSERT_EQ(Translate(text), 0);
  EXPECT_TRUE(LastSentFlags() & kTrCompressed);
  EXPECT_TRUE(Shown().starts_with("Talo on iso. Talo on iso."));
}

TEST_F(TranslatorServiceTest, AutomaticDirectionFollowsTheText) {
  translator_->State().ChoosePair({0, 1, true});
  ASSERT_EQ(Translate("Talo on iso."), 0);
  EXPECT_EQ(Shown(), "House is big.");
  EXPECT_EQ(translator_->State().GetPair(), (LanguagePair{1, 0, true}));
}

TEST_F(TranslatorServiceTest, SingleWordIsLookedUpInTheDictionary) {
  ASSERT_EQ(Translate("house"), 0);
  EXPECT_TRUE(LastSentFlags() & kTrDictionaryLookup);
  EXPECT_TRUE(delivery_->Delivered().back().dictionaryLookup);
  EXPECT_TRUE(Shown().starts_with("#DICT;")) << Shown();
}

TEST_F(TranslatorServiceTest, ExpiredSessionIsRenewedSilently) {
  ASSERT_EQ(Translate("The house is big."), 0);
  sim_.ClearRequests();
  sim_.context().translation.Queue("tr", {15});
  ASSERT_EQ(Translate("The dog is small."), 0);
  EXPECT_EQ(Shown(), "Koira on pieni.");
  EXPECT_EQ(Requests("tr").size(), 2u);
  EXPECT_EQ(Requests("chkrauth").size(), 1u);
  EXPECT_EQ(prompt_->shown.size(), 1u);
}

TEST_F(TranslatorServiceTest, QuotaOfAPayingAccount) {
  prompt_->answers = {{"price1", "price"}};
  confirmation_->answers = {{true, false}};
  std::string words;
  for (int i = 0; i < 200; ++i)
    words += "house ";
  // 200 words at 125 thousandths cover the balance of 25 tokens exactly.
  ASSERT_EQ(Translate(words), 0);
  EXPECT_EQ(confirmation_->asked.at(0).first.words, 200);
  // Lowered locally until the service tells the quota again.
  EXPECT_EQ(translator_->State().GetQuotaLeft(), 0);
  EXPECT_EQ(Translate(words + "house"), kResultBalanceInsufficient);
  EXPECT_EQ(Requests("tr").size(), 1u);
}

TEST_F(TranslatorServiceTest, BalanceStatusOfTheService) {
  ASSERT_EQ(Translate("The house is big."), 0);
  sim_.context().translation.Queue("tr", {19, 40, 3, 900});
  EXPECT_EQ(Translate("The dog is small."), kResultBalanceInsufficient);
  EXPECT_EQ(translator_->State().GetAccountType(), 3);
  EXPECT_EQ(translator_->State().GetQuotaLeft(), 900);
  EXPECT_EQ(progress_->Lines().back(),
            "failure: Translation was not performed - translation account balance is "
            "insufficient");
  // English to Finnish uses no quota of further languages.
  EXPECT_TRUE(quotaNotice_->Shown().empty());

  ASSERT_TRUE(translator_->State().ChoosePair({100, 112, false}));
  sim_.context().translation.Queue("tr", {19, 1500, 3, 200});
  EXPECT_EQ(Translate("The dog is small."), kResultBalanceInsufficient);
  ASSERT_EQ(quotaNotice_->Shown().size(), 1u);
  EXPECT_EQ(quotaNotice_->Shown()[0].characters, 1500);
  EXPECT_EQ(quotaNotice_->Shown()[0].quotaLeft, 200);
  EXPECT_FALSE(quotaNotice_->Shown()[0].document);
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include "TranslationFixture.h"
#include "service/PriceRecord.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

class PriceRequestTest : public test::TranslationFixture, public testing::Test {};

TEST_F(PriceRequestTest, BodyAndAnswer) {
  // EncodeFormBinary escapes "." and the line break, which the translation's encoder keeps.
  TranslationJob job = TextJob("a b&c.\nd");
  job.trflags |= kTrActiveSentence;
  job.actsent = 2;
  PriceRecord record;
  EXPECT_EQ(client_.GetTranslationPrice(job, &record, 1), 0);
  const auto requests = Requests("gettrprice");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].body,
            "cmd=gettrprice&type=0&srcformat=1&pid=4&formating=0&trflags=33554434&actsent=2"
            "&srctxt=a+b%26c%2e%0ad");
  EXPECT_EQ(job.srcwords, 12);
  EXPECT_EQ(record.words, 12);
  EXPECT_EQ(record.price, 12'500);
  EXPECT_EQ(record.secondAmount, 300);
  EXPECT_EQ(state_->GetAccountType(), 1);
  EXPECT_EQ(state_->GetQuotaLeft(), 100'000);
  EXPECT_EQ(Stored("AccInf2"), "100000");
  // The request kind is decided as for the translation.
  EXPECT_EQ(job.trflagsext, kTrExtOrdinaryRequest);
}

TEST_F(PriceRequestTest, PackedSourceIsNotPackedAgainForTheTranslation) {
  const std::string text(3'000, 'w');
  TranslationJob job = TextJob(text);
  job.trflags |= kTrCompress;
  Script("tr", test::TranslationAnswer(CompressBytes("ok").value()));
  ASSERT_EQ(client_.GetTranslationPrice(job, nullptr, 1), 0);
  ASSERT_EQ(client_.Translate(job, kRepeatOnce), 0);
  EXPECT_EQ(job.Result(), "ok");
  const std::string packed = CompressBytes(text).value();
  const std::string flags = std::to_string(kTrFromClient | kTrCompress | kTrCompressed);
  for (const char* command : {"gettrprice", "tr"}) {
    SCOPED_TRACE(command);
    const auto requests = Requests(command);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(*requests[0].Field("trflags"), flags);
    EXPECT_EQ(*requests[0].Field("srctxt"), packed);
  }
}

TEST_F(PriceRequestTest, ExpiredSessionLogsInOnceWhileRetryIsOne) {
  for (const int retry : {1, 2}) {
    SCOPED_TRACE(retry);
    sim_.ClearRequests();
    Script("gettrprice", sim::Int32s({15}), 1);
    TranslationJob job = TextJob("text");
    const int expected = retry == 1 ? 0 : kResultNotLoggedIn;
    EXPECT_EQ(client_.GetTranslationPrice(job, nullptr, retry), expected);
    EXPECT_EQ(job.error, expected);
    EXPECT_EQ(Requests("gettrprice").size(), retry == 1 ? 2u : 1u);
    EXPECT_EQ(Requests("chkrauth").size(), retry == 1 ? 1u : 0u);
  }
}

TEST_F(PriceRequestTest, ShortAnswersAreConnectionFailures) {
  for (const std::string& answer : {std::string("\0\0", 2), sim::Int32s({0, 12, 12'500})}) {
    Script("gettrprice", answer);
    TranslationJob job = TextJob("text");
    EXPECT_EQ(client_.GetTranslationPrice(job, nullptr, 1), kResultConnectionError);
  }
  EXPECT_EQ(Requests("gettrprice").size(), 2u);
}

}  // namespace
}  // namespace vorla

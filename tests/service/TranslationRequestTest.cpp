#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "TranslationFixture.h"
#include "translation/ResultCodes.h"

namespace vorla {
namespace {

using test::TranslationAnswer;

class TranslationRequestTest : public test::TranslationFixture, public testing::Test {
 protected:
  std::vector<sim::SimRequest> TranslationRequests() const { return Requests("tr"); }
  // A web page translated into HTML, which asks for a result id.
  static TranslationJob WebJob() {
    TranslationJob job = TextJob("");
    job.srcurl = "http://example.com/";
    job.srcformat = job.tgtformat = kFormatHtml;
    return job;
  }
  std::size_t CountEvents(const std::string& event) const {
    return static_cast<std::size_t>(std::ranges::count(observer_->events, event));
  }
};

TEST_F(TranslationRequestTest, BodyFieldsInTheirOrderAndUnderTheirConditions) {
  // EncodeFormBytes keeps "." and the line break raw, where the strict encoders escape them.
  const std::string text = "One. Two & three\nfour";
  const std::string tail = "&srctxt=One.+Two+%26+three\nfour";
  struct Case {
    const char* name;
    std::function<void(TranslationJob&)> fill;
    std::string body;
  };
  const Case cases[] = {
      {"plain text", [](TranslationJob&) {},
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=2048&sentype=10&srcformat=1"
       "&srclan=0&tgtformat=1&tgtlan=1&formating=0" +
           tail},
      {"UTF-8 text", [](TranslationJob& job) { job.enc = kEncodingUtf8; },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=2048&enc=1&sentype=10"
       "&srcformat=1&srclan=0&tgtformat=1&tgtlan=1&formating=0" +
           tail},
      {"RTF sends no enc",
       [](TranslationJob& job) {
         job.enc = kEncodingUtf8;
         job.srcformat = job.tgtformat = kFormatRtf;
       },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=2048&sentype=10&srcformat=2"
       "&srclan=0&tgtformat=2&tgtlan=1&formating=0" +
           tail},
      {"first list only",
       [](TranslationJob& job) {
         job.actcount = {2, 0};
         job.actfields[0][0] = 5;
         job.actfields[0][1] = 7;
       },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=2048&sentype=10&srcformat=1"
       "&srclan=0&tgtformat=1&tgtlan=1&formating=0&actfields=5:7;" +
           tail},
      {"second list only",
       [](TranslationJob& job) {
         job.actcount = {0, 1};
         job.actfields[1][0] = 9;
       },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=2048&sentype=10&srcformat=1"
       "&srclan=0&tgtformat=1&tgtlan=1&formating=0&actfields=;9" +
           tail},
      {"active sentence and PDF zoom",
       [](TranslationJob& job) {
         job.trflags |= kTrActiveSentence;
         job.actsent = 3;
         job.srcformat = job.tgtformat = kFormatPdf;
         job.zoom = 100;
       },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554434&actsent=3&trflagsext=1024&sentype=10"
       "&srcformat=5&srclan=0&tgtformat=5&tgtlan=1&formating=0&zoom=100" +
           tail},
      {"Word document", [](TranslationJob& job) { job.srcformat = job.tgtformat = kFormatDoc; },
       "cmd=tr&p=6&pid=4&ver=3.1.2&trflags=33554432&trflagsext=1024&sentype=10&srcformat=4"
       "&srclan=0&tgtformat=4&tgtlan=1&formating=0" +
           tail},
      {"web page asks for a result id",
       [](TranslationJob& job) {
         job.srctxt.clear();
         job.srclen = 0;
         job.srcurl = "https://example.com/a b";
         job.srcformat = job.tgtformat = kFormatHtml;
         job.frmurls = "f&1";
         job.frmurlscount = 1;
       },
       "cmd=tr&p=6&pid=4&ver=3.1.2&rt=3&trflags=33554432&trflagsext=2048&sentype=10"
       "&srcformat=3&srclan=0&tgtformat=3&tgtlan=1&formating=0"
       "&srcurl=https%3a%2f%2fexample%2ecom%2fa+b&frmurls=f%261"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim_.ClearRequests();
    TranslationJob job = TextJob(text);
    c.fill(job);
    // A web page's answer carries the result-id block.
    Script("tr", job.srcurl.empty()
                     ? TranslationAnswer("ok")
                     : sim::Int32s({0, 0, 1, 8}) + std::string(6, '\0') + "result-1");
    client_.Translate(job, kRepeatOnce);
    const auto requests = TranslationRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].body, c.body);
  }
}

TEST_F(TranslationRequestTest, LongRequestUsesTheFileTimeOutAndIsNeverRepeated) {
  config_->limits.filetr_request_timeout = 300;
  sim::Faults slow;
  slow.stallBefore = std::chrono::milliseconds(2'000);
  slow.rawAnswer = TranslationAnswer("ok");
  sim_.SetFaults("tr", slow);
  TranslationJob word = TextJob("text");
  word.srcformat = word.tgtformat = kFormatDoc;
  EXPECT_EQ(client_.Translate(word, kRepeatOnce), kResultConnectionError);
  EXPECT_EQ(TranslationRequests().size(), 1u);
  // A text request waits for the text time-out and gets its answer.
  TranslationJob text = TextJob("text");
  EXPECT_EQ(client_.Translate(text, kRepeatOnce), 0);
  EXPECT_EQ(text.Result(), "ok");
}

TEST_F(TranslationRequestTest, AnswerGivesResultAndLanguages) {
  Script("tr", TranslationAnswer("tulos", 1, 0));
  TranslationJob job = TextJob("result");
  job.trflags |= kTrAutoDirection;
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), 0);
  EXPECT_EQ(job.error, 0);
  EXPECT_EQ(job.Result(), "tulos");
  EXPECT_EQ(job.srclan, 1);
  EXPECT_EQ(job.tgtlan, 0);
  EXPECT_FALSE(job.auxbuf);
}

TEST_F(TranslationRequestTest, ResultIdLengths) {
  struct Case {
    std::size_t length;
    int code;
  };
  for (const Case c : {Case{7, 1}, Case{8, 0}, Case{127, 0}, Case{128, 1}}) {
    SCOPED_TRACE(c.length);
    const std::string id(c.length, 'r');
    // Content flag 0 (a result id), target format 3, four unused bytes.
    const std::string block("\0\3\0\0\0\0", 6);
    Script("tr", sim::Int32s({0, 0, 1, static_cast<std::int32_t>(c.length)}) + block + id);
    TranslationJob job = WebJob();
    EXPECT_EQ(client_.Translate(job, kRepeatOnce), c.code);
    EXPECT_TRUE(job.trflagsext & kTrExtNoResultBody);
    EXPECT_EQ(job.Result(), c.code == 0 ? id : "");
  }
}

TEST_F(TranslationRequestTest, ResultIdModeMayCarryTheDocumentItself) {
  const std::string block("\1\2\0\0\0\0", 6);
  Script("tr", sim::Int32s({0, 0, 1, 5}) + block + "{\\rtf}");
  TranslationJob job = WebJob();
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), 0);
  EXPECT_EQ(job.Result(), "{\\rtf");
  EXPECT_EQ(job.tgtformat, kFormatRtf);
  EXPECT_FALSE(job.trflagsext & kTrExtNoResultBody);
}

TEST_F(TranslationRequestTest, BalanceShortfallSetsTheAccountAndReadsNothingElse) {
  Script("tr", sim::Int32s({19, 250, 3, 1200}));
  TranslationJob job = TextJob("text");
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultBalanceInsufficient);
  EXPECT_EQ(job.error, kResultBalanceInsufficient);
  EXPECT_EQ(job.shortfall, 250);
  EXPECT_EQ(state_->GetAccountType(), 3);
  EXPECT_EQ(state_->GetQuotaLeft(), 1200);
  EXPECT_EQ(Stored("AccInf1"), "3");
  EXPECT_EQ(Stored("AccInf2"), "1200");
  EXPECT_EQ(job.srclan, 0);
  EXPECT_TRUE(job.Result().empty());
}

TEST_F(TranslationRequestTest, ExpiredSessionLogsInOnceAndRepeatsOnce) {
  struct Case {
    const char* name;
    int expiredAnswers;
    int code;
  };
  for (const Case c : {Case{"repeat answered", 1, 0}, Case{"repeat expired too", -1, 15}}) {
    SCOPED_TRACE(c.name);
    sim_.ClearRequests();
    Script("tr", sim::Int32s({15, 0, 0, 0}), c.expiredAnswers);
    TranslationJob job = TextJob("text");
    EXPECT_EQ(client_.Translate(job, kRepeatOnce), c.code);
    EXPECT_EQ(job.error, c.code);
    EXPECT_EQ(TranslationRequests().size(), 2u);
    // The stored digest logs in again without a prompt.
    EXPECT_EQ(Requests("chkrauth").size(), 1u);
    EXPECT_EQ(prompt_->shown.size(), 1u);
    EXPECT_EQ(job.Result(), c.code == 0 ? "ok" : "");
  }
}

TEST_F(TranslationRequestTest, LostConnectionIsRepeatedOnceAndAnnounced) {
  struct Case {
    const char* name;
    int drops;
    int code;
  };
  for (const Case c : {Case{"second attempt answered", 1, 0}, Case{"dropped twice", -1, 2}}) {
    SCOPED_TRACE(c.name);
    sim_.ClearRequests();
    observer_->events.clear();
    sim::Faults dropped;
    dropped.closeAfter = 0;
    dropped.times = c.drops;
    sim_.SetFaults("tr", dropped);
    TranslationJob job = TextJob("text");
    EXPECT_EQ(client_.Translate(job, kRepeatOnce), c.code);
    EXPECT_EQ(TranslationRequests().size(), 2u);
    EXPECT_EQ(CountEvents("Reconnecting(0,0)"), 2u);  // the announcement and the new connection
    EXPECT_EQ(job.Result(), c.code == 0 ? "ok" : "");
  }
}

TEST_F(TranslationRequestTest, FurtherLanguagesAreNeverRepeated) {
  sim::Faults dropped;
  dropped.closeAfter = 0;
  sim_.SetFaults("tr", dropped);
  TranslationJob job = TextJob("text");
  job.srclan = 112;
  job.tgtlan = 110;
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultConnectionError);
  EXPECT_EQ(TranslationRequests().size(), 1u);
}

TEST_F(TranslationRequestTest, PackedSourceAndPackedResult) {
  const std::string text(5'000, 'x');
  const std::string translated(20'000, 'y');
  Script("tr", TranslationAnswer(CompressBytes(translated).value()));
  TranslationJob job = TextJob(text);
  job.trflags |= kTrCompress;
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), 0);
  EXPECT_EQ(job.Result(), translated);
  EXPECT_EQ(job.resunpacked, 20'000);
  const sim::SimRequest request = TranslationRequests().at(0);
  EXPECT_EQ(*request.Field("trflags"), std::to_string(kTrFromClient | kTrCompress | kTrCompressed));
  EXPECT_EQ(*request.Field("srctxt"), CompressBytes(text).value());
}

TEST_F(TranslationRequestTest, DamagedPackedResultGivesEight) {
  Script("tr", TranslationAnswer("not zlib"));
  TranslationJob job = TextJob(std::string(5'000, 'x'));
  job.trflags |= kTrCompress;
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultResultDamaged);
}

TEST_F(TranslationRequestTest, SecondPartOfAnAlignmentAnswer) {
  config_->limits.max_translation_len = 1'000;
  client_.Initialise(config_, *state_, connections_);
  struct Case {
    const char* name;
    std::int32_t count;
    int code;
  };
  for (const Case c : {Case{"table", 36, 0}, Case{"empty", 0, 0}, Case{"negative", -5, 0},
                       Case{"at the maximum", 1'000, 0}, Case{"above the maximum", 1'001, 9}}) {
    SCOPED_TRACE(c.name);
    const std::string part(static_cast<std::size_t>(std::max(c.count, 0)), 'a');
    // The count above the maximum comes with no bytes at all: nothing may wait for them.
    const std::string sent = c.code == 0 ? part : "";
    Script("tr", TranslationAnswer("ok") + sim::Int32s({c.count}) + sent);
    TranslationJob job = TextJob("text");
    job.trflags |= kTrSentenceAlignment;
    EXPECT_EQ(client_.Translate(job, kNeverRepeat), c.code);
    EXPECT_EQ(job.auxbuf ? std::string(ViewOf(*job.auxbuf)) : "", c.code == 0 ? part : "");
  }
}

TEST_F(TranslationRequestTest, ResultLengthAtTheMaximumIsRefused) {
  config_->limits.max_translation_len = 10;
  client_.Initialise(config_, *state_, connections_);
  Script("tr", sim::Int32s({0, 0, 1, 10}));
  TranslationJob job = TextJob("text");
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultResultTooLong);
  TranslationJob tooLong = TextJob(std::string(10, 't'));
  EXPECT_EQ(client_.Translate(tooLong, kRepeatOnce), kResultSourceTooLong);
  EXPECT_EQ(TranslationRequests().size(), 1u);
}

TEST_F(TranslationRequestTest, CancelledClientSendsNothing) {
  client_.Cancel();
  TranslationJob job = TextJob("text");
  EXPECT_EQ(client_.Translate(job, kRepeatOnce), kResultInterrupted);
  EXPECT_TRUE(TranslationRequests().empty());
}

}  // namespace
}  // namespace vorla

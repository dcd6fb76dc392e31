#include <gtest/gtest.h>

#include "SimRequest.h"
#include "TranslationFixture.h"

namespace vorla::sim::test {
namespace {

using TranslateRefusalsTest = TranslationCommandsTest;

TEST_F(TranslateRefusalsTest, ScriptedStatusesAnswerInTurn) {
  TranslationScript& script = simulator_.context().translation;
  for (const std::int32_t status : {5, 6, 9, 12, 15, 16, 23})
    script.Queue("tr", {status});
  script.Queue("tr", {.status = 19, .shortfall = 700, .accountType = 3, .quota = 250});
  script.Queue("tr", {.status = 19, .shortfall = 12});  // the account's own values
  const TrBody body{.srclan = 1, .tgtlan = 0, .srctxt = "Talo."};
  for (const std::int32_t status : {5, 6, 9, 12, 15, 16, 23}) {
    EXPECT_EQ(Post(body.Text()).body, Int32s({status, 1, 0, 0})) << status;
  }
  EXPECT_EQ(Post(body.Text()).body, Int32s({19, 700, 3, 250}));
  const SimAccount demo = DemoAccount();
  EXPECT_EQ(Post(body.Text()).body, Int32s({19, 12, demo.accountType, demo.quota}));
  EXPECT_EQ(ParseTr(Post(body.Text()).body).payload, "House.");
}

TEST_F(TranslateRefusalsTest, AnswersFifteenWithoutAValidSession) {
  const std::string body = TrBody{.srctxt = "Yes."}.Text();
  EXPECT_EQ(Post(body, "").body, Int32s({15, 0, 1, 0}));
  EXPECT_EQ(Post(body, "sid=unknown").body, Int32s({15, 0, 1, 0}));

  Faults expire;
  expire.expireSession = true;
  expire.times = 1;
  simulator_.SetFaults("tr", expire);
  EXPECT_EQ(Post(body).body, Int32s({15, 0, 1, 0}));
  EXPECT_EQ(ParseTr(Post(body, SessionOf("demo")).body).payload, "Kyll\xe4.");
}

TEST_F(TranslateRefusalsTest, RefusesPairsTheAccountLacksOrThatAreNoPairs) {
  SimAccount englishFinnishOnly = DemoAccount();
  englishFinnishOnly.name = "enfi";
  englishFinnishOnly.pairBits = 1;
  simulator_.context().accounts.Add(englishFinnishOnly);
  const std::string enfi = SessionOf("enfi");
  const std::string price3 = SessionOf("price3");
  const std::string price4 = SessionOf("price4");
  struct Case {
    std::string cookie;
    int srclan;
    int tgtlan;
    std::int32_t status;
  };
  const Case cases[] = {
      {enfi, 1, 0, 23},       {enfi, 0, 2, 23},       {demo_, 108, 130, 23}, {price4, 108, 130, 23},
      {price3, 215, 248, 23}, {demo_, 1, 2, 28},      {demo_, 0, 110, 28},   {price3, 130, 130, 28},
      {demo_, 98, 1, 28},     {price3, 139, 108, 28},
  };
  for (const Case& c : cases) {
    const TrBody body{.enc = c.srclan >= 100 || c.tgtlan >= 100 ? std::optional(1) : std::nullopt,
                      .srclan = c.srclan,
                      .tgtlan = c.tgtlan,
                      .srctxt = "Yes."};
    EXPECT_EQ(Post(body.Text(), c.cookie).body, Int32s({c.status, c.srclan, c.tgtlan, 0}))
        << c.srclan << " to " << c.tgtlan;
  }
  // With automatic direction the direction picked must be the account's.
  EXPECT_EQ(Post(TrBody{.trflags = 0x2000200, .srctxt = "Talo on iso."}.Text(), enfi).body,
            Int32s({23, 0, 1, 0}));
}

TEST_F(TranslateRefusalsTest, AnswersWhatItCannotDoWithTheServiceStatus) {
  // Term extraction, and a format the service does not translate (a translation memory).
  EXPECT_EQ(Post(TrBody{.trflags = 0x82000000, .srctxt = "Yes."}.Text()).body,
            Int32s({24, 0, 1, 0}));
  EXPECT_EQ(Post(TrBody{.trflagsext = 0x400, .srcformat = 100, .srctxt = "<tmx/>"}.Text()).body,
            Int32s({16, 0, 1, 0}));
}

TEST_F(TranslateRefusalsTest, RefusesBreachesOfTheProtocolWithTheReason) {
  const std::string text = "&srctxt=Yes.";
  const std::string head = "cmd=tr&p=6&pid=4&ver=3.1.2";
  const std::string plain = "&sentype=10&srcformat=1&srclan=0&tgtformat=1&tgtlan=1&formating=0";
  struct Case {
    std::string body;
    std::string reason;
  };
  const Case cases[] = {
      {head + "&trflagsext=2048&sentype=10&srcformat=1&srclan=0&tgtformat=1&formating=0" + text,
       "field 'tgtlan' missing"},
      {head + "&trflagsext=2048" + plain, "one of srctxt and srcurl is sent"},
      {head + "&trflagsext=2048" + plain + "&srcurl=x" + text, "one of srctxt and srcurl"},
      {head + "&trflagsext=2048" + plain + "&colour=red" + text, "unknown field 'colour'"},
      {head + "&enc=1&trflagsext=2048" + plain + text, "field 'trflagsext' repeated or out of"},
      {head + "&trflagsext=2048&trflagsext=2048" + plain + text, "'trflagsext' repeated"},
      {"cmd=tr&p=5&pid=4&ver=3.1.2&trflagsext=2048" + plain + text, "p is not 6"},
      {head + "&trflags=0&trflagsext=2048" + plain + text, "trflags=0 is never sent"},
      {head + "&trflags=+2&trflagsext=2048" + plain + text, "'trflags' is not a decimal number"},
      {head + "&trflags=33554432&actsent=3&trflagsext=2048" + plain + text, "actsent"},
      {head + "&trflagsext=8" + plain + text, "trflagsext has neither 0x400 nor 0x800"},
      {head + "&trflagsext=2048&enc=2" + plain + text, "enc=2 is the default"},
      {head + "&trflagsext=2048&enc=6" + plain + text, "enc=6 does not fit the English"},
      {head + "&trflagsext=2048&enc=40" + plain + text, "enc=40 is not an encoding index"},
      {head +
           "&trflagsext=2048&enc=1&sentype=10&srcformat=2&srclan=0&tgtformat=2&tgtlan=1"
           "&formating=0" +
           text,
       "enc is sent only with plain text and HTML"},
      {head +
           "&trflagsext=2048&sentype=10&srcformat=1&srclan=108&tgtformat=1&tgtlan=130"
           "&formating=0" +
           text,
       "comes in UTF-8 (enc=1)"},
      {head +
           "&trflagsext=2048&sentype=10&srcformat=1&srclan=0&tgtformat=2&tgtlan=1"
           "&formating=0" +
           text,
       "ask for a result of their own format"},
      {head + "&trflagsext=2048" + plain + "&zoom=100" + text, "zoom is sent only for PDF"},
      {head + "&trflagsext=2048" + plain + "&actfields=;" + text, "actfields is not two lists"},
      {head + "&trflagsext=2048" + plain + "&actfields=1:2:3:4:5:6:7:8:9:10:11;" + text,
       "actfields is not two lists"},
      {head + "&trflagsext=2048" + plain + "&actfields=5:7" + text, "actfields is not two"},
      {head + "&rt=3&trflagsext=2048" + plain + text, "rt is sent only as 3, for a web page"},
      {head + "&trflags=1024&trflagsext=2048" + plain + text, "0x400 without 0x800"},
      {head + "&trflags=2048&trflagsext=2048" + plain + text, "0x800 without 0x400"},
      {head + "&trflags=2097152&trflagsext=2048" + plain + "&srctxt=two+words",
       "a dictionary lookup takes one word"},
      {head + "&trflags=2097152&trflagsext=2048" + plain + "&srctxt=one%2c",
       "a dictionary lookup takes one word"},
  };
  for (const Case& c : cases) {
    const HttpReply reply = Post(c.body);
    EXPECT_EQ(reply.status, 400) << c.body;
    EXPECT_TRUE(reply.body.starts_with("malformed tr request: ")) << reply.body;
    EXPECT_NE(reply.body.find(c.reason), std::string::npos) << reply.body;
  }
  // A request that keeps the rules, with every optional field in its place.
  const HttpReply good =
      Post(head + "&trflags=33554434&actsent=0&trflagsext=2048" + plain + "&actfields=5:7;" + text);
  EXPECT_EQ(good.status, 200) << good.body;
}

}  // namespace
}  // namespace vorla::sim::test

#include <gtest/gtest.h>

#include "PriceRequest.h"
#include "Pricing.h"
#include "SimRequest.h"
#include "TranslationFixture.h"

namespace vorla::sim::test {
namespace {

std::string Words(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += i % 10 == 9 ? "end.\r\n" : "word ";
  return text;
}

std::string PriceBody(const std::string& text, std::uint32_t trflags = 0x2000000,
                      int srcformat = 1) {
  return "cmd=gettrprice&type=0&srcformat=" + std::to_string(srcformat) +
         "&pid=4&formating=0&trflags=" + std::to_string(static_cast<std::int32_t>(trflags)) +
         "&srctxt=" + FormValue(text);
}

using PriceCommandTest = TranslationCommandsTest;

TEST_F(PriceCommandTest, PricesTheWordsByAccountType) {
  struct Case {
    std::string user;
    int words;
    std::int32_t price;
    std::int32_t type;
    std::int32_t quota;
  };
  // Each paying account's quota covers the first and not the second of its two sources.
  const Case cases[] = {
      {"price1", 200, 25'000, 1, 25'000}, {"price1", 201, 25'125, 1, 25'000},
      {"price2", 5, 5000, 2, 0},          {"price3", 1000, 1000, 3, 1000},
      {"price3", 1001, 1001, 3, 1000},    {"price4", 37, 37, 4, 1000},
      {"demo", 10, kFixedPrice, 2, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Post(PriceBody(Words(c.words)), SessionOf(c.user)).body,
              Int32s({0, c.words, c.price, 0, c.type, c.quota}))
        << c.user << " " << c.words;
  }
}

TEST_F(PriceCommandTest, CountsTheWordsOfEverySourceForm) {
  const std::string price1 = SessionOf("price1");
  struct Case {
    std::string body;
    std::int32_t words;
  };
  const Case cases[] = {
      {PriceBody("Don't stop, 2 words\xa0here!"), 5},  // Windows-1252
      {PriceBody("Yö ja päivä"), 3},                   // UTF-8
      {PriceBody(Compressed(Words(300)), 0x2000c00), 300},
      {PriceBody(R"({\rtf1\ansi {\b Hello} world\par two{\*\generator Writer 1.0;}})", 0x2000000,
                 2),
       3},
      {"cmd=gettrprice&type=0&srcformat=3&pid=4&formating=0&srcurl=" +
           FormValue("https://example.com/"),
       0},  // a web page is not fetched
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Post(c.body, price1).body,
              Int32s({0, c.words, c.words * kPricePerWord, 0, 1, 25'000}))
        << c.body;
  }
  const PriceRequest logged = DecodePriceRequest(simulator_.Requests()[2]);
  EXPECT_EQ(logged.source, Words(300));
  EXPECT_EQ(logged.flags, 0x2000c00u);
}

TEST_F(PriceCommandTest, AnswersStatusesAloneAndRefusesProtocolBreaches) {
  simulator_.context().translation.Queue("gettrprice", {19});
  EXPECT_EQ(Post(PriceBody("one")).body, Int32s({19}));
  EXPECT_EQ(Post(PriceBody("one"), "").body, Int32s({15}));
  EXPECT_EQ(Post(PriceBody("broken", 0x2000c00)).body, Int32s({5}));
  EXPECT_EQ(Post(PriceBody("PK", 0x2000000, 13)).body, Int32s({16}));

  struct Case {
    std::string body;
    std::string reason;
  };
  const Case cases[] = {
      {"cmd=gettrprice&srcformat=1&pid=4&formating=0&srctxt=a", "field 'type' missing"},
      {"cmd=gettrprice&type=1&srcformat=1&pid=4&formating=0&srctxt=a", "type is not 0"},
      {"cmd=gettrprice&type=0&pid=4&srcformat=1&formating=0&srctxt=a", "out of order"},
      {"cmd=gettrprice&type=0&srcformat=1&pid=4&formating=0", "one of srctxt and srcurl"},
      {PriceBody("a", 0x2000800), "0x800 without 0x400"},
      {PriceBody("a", 0x2000400), "0x400 without 0x800"},
  };
  for (const Case& c : cases) {
    const HttpReply reply = Post(c.body);
    EXPECT_EQ(reply.status, 400) << c.body;
    EXPECT_TRUE(reply.body.starts_with("malformed gettrprice request: ")) << reply.body;
    EXPECT_NE(reply.body.find(c.reason), std::string::npos) << reply.body;
  }
}

}  // namespace
}  // namespace vorla::sim::test

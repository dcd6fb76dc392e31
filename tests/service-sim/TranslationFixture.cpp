#include "TranslationFixture.h"

#include "AccountCommands.h"
#include "TranslationCommands.h"

namespace vorla::sim::test {

std::string TrBody::Text() const {
  std::string body = "cmd=tr&p=6&pid=4&ver=3.1.2";
  if (trflags != 0) body += "&trflags=" + std::to_string(static_cast<std::int32_t>(trflags));
  body += "&trflagsext=" + std::to_string(trflagsext);
  if (enc) body += "&enc=" + std::to_string(*enc);
  body += "&sentype=10&srcformat=" + std::to_string(srcformat) +
          "&srclan=" + std::to_string(srclan) +
          "&tgtformat=" + std::to_string(tgtformat.value_or(srcformat)) +
          "&tgtlan=" + std::to_string(tgtlan) + "&formating=" + std::to_string(formating) +
          "&srctxt=" + FormValue(srctxt);
  return body;
}

TrReply ParseTr(std::string_view body, bool withSecondPart) {
  TrReply reply;
  if (body.size() < 16) {
    ADD_FAILURE() << "an answer of " << body.size() << " bytes";
    return reply;
  }
  reply.status = BigEndianAt(body, 0);
  reply.source = BigEndianAt(body, 4);
  reply.target = BigEndianAt(body, 8);
  std::size_t at = 16;
  const auto take = [&body, &at](std::int32_t length) {
    const std::string part(body.substr(at, static_cast<std::size_t>(length)));
    at += part.size();
    return part;
  };
  reply.payload = take(BigEndianAt(body, 12));
  if (withSecondPart) {
    const std::int32_t count = BigEndianAt(body, at);
    at += 4;
    reply.secondPart = take(count);
  }
  EXPECT_EQ(at, body.size()) << "bytes left after the answer";
  return reply;
}

TranslationCommandsTest::TranslationCommandsTest() {
  RegisterAccountCommands(simulator_);
  RegisterTranslationCommands(simulator_);
  simulator_.context().accounts.Add(DemoAccount());
  for (SimAccount& account : PriceTestAccounts())
    simulator_.context().accounts.Add(std::move(account));
  demo_ = SessionOf("demo");
}

std::string TranslationCommandsTest::SessionOf(std::string_view user) {
  const std::string setCookie = simulator_.context().sessions.Open(user);
  return setCookie.substr(0, setCookie.find(';'));
}

}  // namespace vorla::sim::test

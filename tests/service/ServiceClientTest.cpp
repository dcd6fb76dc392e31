#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fstream>
#include <thread>

#include "ServiceFixture.h"
#include "common/DataBuffer.h"
#include "service/AnswerReader.h"
#include "service/SessionCookies.h"
#include "support/RecordingObserver.h"
#include "support/TestCertificates.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;

constexpr std::int32_t kObserverValue = 5;
constexpr std::int32_t kPayload = 20'000;
constexpr std::int32_t kTooLong = 9;

class ServiceClientTest : public test::ServiceFixture, public testing::Test {
 protected:
  ServiceClientTest() {
    Initialise(client_);
    client_.SetTranslationObserver(observer_);
  }

  // A command written the way the request builders write theirs: status, length and
  // payload, repeated after a lost connection as the mode says.
  std::int32_t FetchFramed(int repeatMode) {
    const std::string body = "cmd=framed&n=" + std::to_string(kPayload);
    return client_.RepeatAfterLostConnection(repeatMode, {}, [&](int mode) {
      auto conn = client_.OpenConnection(client_.TranslationObserver(), kObserverValue, true, mode);
      if (!conn) return Attempt::Because(Transport::Lost);
      const Transport sent = client_.Send(*conn, client_.ServiceUrl(), body, 10'000, true);
      if (sent != Transport::Ok) return Attempt::Because(sent);
      AnswerReader reader(*conn);
      std::array<std::int32_t, 2> header{};
      if (!reader.ReadIntegers(header)) return Attempt::Because(Transport::Lost);
      payload_ = MakeRef<DataBuffer>();
      switch (reader.ReadPayload(header[1], {client_.MaxTranslationLength()}, *payload_)) {
        case PayloadStatus::Ok:
          return Attempt::Answered(header[0]);
        case PayloadStatus::Refused:
          return Attempt::Answered(kTooLong);
        case PayloadStatus::Cancelled:
          return Attempt::Because(Transport::Cancelled);
        case PayloadStatus::Lost:
          break;
      }
      return Attempt::Because(Transport::Lost);
    });
  }

  std::size_t CountEvents(const std::string& event) const {
    return static_cast<std::size_t>(
        std::count(observer_->events.begin(), observer_->events.end(), event));
  }

  ServiceClient client_;
  RefPtr<test::RecordingObserver> observer_ = MakeRef<test::RecordingObserver>();
  RefPtr<IDataBuffer> payload_;
};

TEST_F(ServiceClientTest, AnsweredRequestLeavesNoConnectionBehind) {
  EXPECT_EQ(FetchFramed(kRepeatOnce), 0);
  EXPECT_TRUE(ViewOf(*payload_) == test::PatternBytes(kPayload));
  EXPECT_EQ(client_.Cancel(), 0);  // nothing in progress any more
}

TEST_F(ServiceClientTest, LostConnectionIsRepeatedOnceInModeOne) {
  struct Case {
    const char* name;
    int mode;
    sim::Faults faults;
    std::int32_t code;
    std::size_t requests;
  };
  sim::Faults droppedOnce;
  droppedOnce.closeAfter = 3'000;
  droppedOnce.times = 1;
  sim::Faults droppedAlways = droppedOnce;
  droppedAlways.times = -1;
  sim::Faults shortAnswer;
  shortAnswer.rawAnswer = sim::Int32s({0, 100}) + "cut";
  sim::Faults errorPage;
  errorPage.serverError = true;
  const Case cases[] = {
      {"dropped once, repeated", kRepeatOnce, droppedOnce, 0, 2},
      {"dropped once, never repeated", kNeverRepeat, droppedOnce, 2, 1},
      {"dropped on the repeat too", kRepeatOnce, droppedAlways, 2, 2},
      {"already the repeat", kThisIsTheRepeat, droppedOnce, 2, 1},
      {"payload shorter than announced", kRepeatOnce, shortAnswer, 2, 2},
      {"error page, not repeated", kRepeatOnce, errorPage, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim_.ClearRequests();
    sim_.SetFaults("framed", c.faults);
    observer_->events.clear();
    EXPECT_EQ(FetchFramed(c.mode), c.code);
    EXPECT_EQ(sim_.Requests().size(), c.requests);
    // The client announces the repeat, and the repeat's connection opens with a reconnect.
    const bool repeated = c.requests == 2;
    EXPECT_EQ(CountEvents("Reconnecting(0,0)"), repeated ? 1u : 0u);
    const std::size_t reconnects = repeated || c.mode == kThisIsTheRepeat ? 1u : 0u;
    EXPECT_EQ(CountEvents("Reconnecting(0," + std::to_string(kObserverValue) + ")"), reconnects);
  }
}

TEST_F(ServiceClientTest, CancelledClientSendsNothing) {
  EXPECT_EQ(client_.Cancel(), 0);
  EXPECT_EQ(FetchFramed(kRepeatOnce), 10);
  EXPECT_TRUE(sim_.Requests().empty());
}

TEST_F(ServiceClientTest, CancelFromAnotherThreadReachesTheRequestInProgress) {
  sim::Faults stall;
  stall.stallAt = 100;
  stall.stallInside = 60s;
  sim_.SetFaults("framed", stall);
  // From another thread, as the window does, while the answer is stalled.
  std::atomic<std::int32_t> cancelResult{-1};
  std::jthread canceller([this, &cancelResult] {
    std::this_thread::sleep_for(300ms);
    cancelResult = client_.Cancel();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(FetchFramed(kRepeatOnce), 10);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
  canceller.join();
  EXPECT_EQ(cancelResult, 1);
  EXPECT_EQ(sim_.Requests().size(), 1u);
}

class FakeLogin final : public LoginSession {
 public:
  explicit FakeLogin(bool succeeds) : succeeds_(succeeds) {}
  std::int32_t UserId() const override { return 77; }
  bool Relogin() override {
    cookieAtLogin = SessionCookieHeader(true);
    ++logins;
    return succeeds_;
  }

  int logins = 0;
  std::string cookieAtLogin = "unset";

 private:
  bool succeeds_;
};

TEST_F(ServiceClientTest, ExpiredSessionForgetsTheCookieBeforeLoggingInAgain) {
  for (const bool succeeds : {true, false}) {
    CaptureSessionCookie(true, "sid=old");
    FakeLogin login(succeeds);
    ServiceClient client;
    Initialise(client, &login);
    EXPECT_EQ(client.UserId(), 77);
    EXPECT_EQ(client.RenewExpiredSession(), succeeds);
    EXPECT_EQ(login.logins, 1);
    EXPECT_EQ(login.cookieAtLogin, "");
  }
  ServiceClient withoutLogin;
  Initialise(withoutLogin);
  EXPECT_FALSE(withoutLogin.RenewExpiredSession());
  EXPECT_EQ(withoutLogin.UserId(), 0);
}

TEST_F(ServiceClientTest, InitialiseCopiesTheLimitsAndForgetsACancel) {
  config_->limits.max_translation_len = 1234;
  client_.Cancel();
  Initialise(client_);
  EXPECT_FALSE(client_.IsCancelled());
  EXPECT_FALSE(client_.TranslationObserver());
  EXPECT_EQ(client_.MaxTranslationLength(), 1234);
  EXPECT_EQ(client_.MaxLexInfoLength(), 10'000);
  EXPECT_EQ(client_.MaxDictionaryLength(), 32'000'000);
  EXPECT_EQ(client_.MaxDictionarySize(), 100'000);
  EXPECT_EQ(client_.ProductId(), 4);
  EXPECT_EQ(client_.ServiceUrl(), sim_.url());
}

TEST(CurlHttpConnFactory, TrustsTheConfiguredCaBesideTheSystemOnes) {
  const test::TestAuthority authority;
  const test::IssuedCertificate issued = authority.Issue({"IP:127.0.0.1"});
  sim::ServiceSimulator secure({0, issued.certificatePem, issued.keyPem});
  test::RegisterTestCommands(secure);
  const std::filesystem::path caFile = test::CurrentHome() / "ca.pem";
  std::ofstream(caFile) << authority.CertificatePem();

  for (const bool configured : {true, false}) {
    Environment environment;
    if (configured) environment.caFile = caFile;
    RefPtr<Config> config =
        test::MakeHomeConfig(std::make_shared<MemorySettingsStore>(), environment);
    CurlHttpConnFactory factory(config);
    RefPtr<IHttpConn> conn = factory.CreateHttpConn(Config::kProductName, {}, 0, 0, true);
    const std::string body = "cmd=blob&n=1";
    EXPECT_EQ(conn->SendRequest(secure.url(), true, body.data(),
                                static_cast<std::int32_t>(body.size()), 0, false),
              configured ? http::kOk : http::kSendFailed);
  }
}

}  // namespace
}  // namespace vorla

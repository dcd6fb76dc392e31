#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "ServiceSimulator.h"
#include "common/DataBuffer.h"
#include "platform/CHttpConn.h"
#include "service/FormEncoding.h"
#include "service/SessionCookies.h"
#include "support/RecordingObserver.h"
#include "support/TempHome.h"
#include "support/TestCertificates.h"
#include "support/TestCommands.h"

namespace vorla {
namespace {

using test::RecordingObserver;
using namespace std::chrono_literals;

constexpr std::int32_t kValue = 7;
constexpr const char* kAgent = "Vorla Tool";

std::string Event(const char* name, std::initializer_list<std::int32_t> values) {
  std::string event = std::string(name) + "(";
  for (std::int32_t value : values)
    event += std::to_string(value) + ",";
  event += std::to_string(kValue) + ")";
  return event;
}

std::int32_t PieceFor(std::int32_t total) {
  return std::clamp(total / 100, 4096, 65536);
}

class HttpConnTest : public testing::Test {
 protected:
  HttpConnTest() {
    test::RegisterTestCommands(sim_);
    ClearSessionCookies();
  }

  static RefPtr<IHttpConn> Connect(RefPtr<RecordingObserver> observer = {},
                                   bool sessionCookie = true, HttpConnSettings settings = {}) {
    return CreateHttpConn(kAgent, observer, 0, kValue, sessionCookie, settings);
  }

  static std::int32_t Send(IHttpConn& conn, const std::string& url, const std::string& body,
                           bool chunked = false, std::int32_t timeoutMs = 10'000) {
    return conn.SendRequest(url, true, body.data(), static_cast<std::int32_t>(body.size()),
                            timeoutMs, chunked);
  }

  // The whole answer body, read in one go.
  static std::string ReadAll(IHttpConn& conn, std::int32_t total) {
    RefPtr<IDataBuffer> buffer;
    EXPECT_EQ(conn.ReadToNewBuffer(buffer, total, 0), http::kOk);
    return buffer ? std::string(ViewOf(*buffer)) : std::string();
  }

  sim::ServiceSimulator sim_{{}};
};

TEST_F(HttpConnTest, DownloadReportsEachPieceThatDoesNotEndTheAnswer) {
  for (const std::int32_t size : {0, 1'000, 409'601, 10 * 1024 * 1024}) {
    SCOPED_TRACE(size);
    auto observer = MakeRef<RecordingObserver>();
    RefPtr<IHttpConn> conn = Connect(observer);
    ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=" + std::to_string(size)), http::kOk);
    std::int32_t length = -1;
    EXPECT_EQ(conn->QueryContentLength(length), 0);
    EXPECT_EQ(length, size);

    auto buffer = MakeRef<DataBuffer>();
    ASSERT_EQ(conn->ReadToBuffer(*buffer, size, 0), http::kOk);
    EXPECT_TRUE(ViewOf(*buffer) == test::PatternBytes(static_cast<std::size_t>(size)));

    std::vector<std::string> expected = {Event("Connecting", {}), Event("RequestSent", {0}),
                                         Event("DownloadBegin", {size})};
    const std::int32_t piece = PieceFor(size);
    for (std::int32_t soFar = piece; soFar < size; soFar += piece) {
      expected.push_back(Event("DownloadProgress", {soFar, size}));
    }
    expected.push_back(Event("DownloadEnd", {0, size}));
    EXPECT_EQ(observer->events, expected);
  }
}

TEST_F(HttpConnTest, ChunkedSendAnnouncesTheLengthAndReportsEachPiece) {
  for (const std::int32_t size : {1'000, 10 * 1024 * 1024}) {
    SCOPED_TRACE(size);
    sim_.ClearRequests();
    const std::string body =
        "cmd=echo&pad=" + std::string(static_cast<std::size_t>(size) - 13, 'p');
    auto observer = MakeRef<RecordingObserver>();
    RefPtr<IHttpConn> conn = Connect(observer);
    ASSERT_EQ(Send(*conn, sim_.url(), body, true), http::kOk);

    std::vector<std::string> expected = {Event("Connecting", {}), Event("RequestSent", {0}),
                                         Event("UploadBegin", {size})};
    const std::int32_t piece = PieceFor(size);
    for (std::int32_t written = 0; written < size;) {
      written = std::min(written + piece, size);
      expected.push_back(Event("UploadProgress", {written, size}));
    }
    expected.push_back(Event("UploadEnd", {0, size}));
    EXPECT_EQ(observer->events, expected);

    const auto requests = sim_.Requests();
    ASSERT_EQ(requests.size(), 1u);
    const sim::SimRequest& request = requests[0];
    EXPECT_EQ(request.Header("Content-Length"), std::to_string(size));
    EXPECT_FALSE(request.Header("Transfer-Encoding"));
    EXPECT_FALSE(request.Header("Expect"));
    EXPECT_FALSE(request.Header("Accept"));
    EXPECT_EQ(request.Header("User-Agent"), kAgent);
    EXPECT_EQ(request.Header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_TRUE(request.body == body);
    EXPECT_TRUE(ReadAll(*conn, size) == body);
  }
}

TEST_F(HttpConnTest, AnswerShorterOrLongerThanAnnouncedIsReadUpToWhatArrivesOrWasAsked) {
  constexpr std::int32_t kSent = 5'000;
  struct Case {
    std::int32_t announced;
    std::int32_t expectedLength;
  };
  for (const Case c : {Case{kSent + 100, kSent}, Case{kSent - 100, kSent - 100}}) {
    RefPtr<IHttpConn> conn = Connect();
    ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=5000"), http::kOk);
    auto buffer = MakeRef<DataBuffer>();
    EXPECT_EQ(conn->ReadToBuffer(*buffer, c.announced, 0), http::kOk);
    EXPECT_EQ(buffer->GetLength(), c.expectedLength);
    EXPECT_EQ(buffer->GetData()[buffer->GetLength()], '\0');
  }
}

TEST_F(HttpConnTest, ReadingNothingSucceedsWithoutTouchingTheAnswer) {
  RefPtr<IHttpConn> conn = Connect();
  ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=10"), http::kOk);
  auto buffer = MakeRef<DataBuffer>();
  EXPECT_EQ(conn->ReadToBuffer(*buffer, 0, 0), http::kOk);
  EXPECT_EQ(buffer->GetLength(), 0);
  EXPECT_EQ(conn->Read(nullptr, 0), 0);
}

TEST_F(HttpConnTest, DroppedConnectionFailsTheRead) {
  sim::Faults faults;
  faults.closeAfter = 1'000;
  sim_.SetFaults("blob", faults);
  RefPtr<IHttpConn> conn = Connect();
  ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=100000"), http::kOk);
  auto buffer = MakeRef<DataBuffer>();
  EXPECT_EQ(conn->ReadToBuffer(*buffer, 100'000, 0), http::kReadFailed);
  EXPECT_NE(conn->GetErrorCode(), 0u);
}

TEST_F(HttpConnTest, WithoutAnAnswerNothingCanBeReadOrQueried) {
  RefPtr<IHttpConn> conn = Connect();
  auto buffer = MakeRef<DataBuffer>();
  char byte = 0;
  std::int32_t status = -1;
  EXPECT_EQ(conn->ReadToBuffer(*buffer, 10, 0), http::kNoAnswer);
  EXPECT_EQ(conn->Read(&byte, 1), -1);
  EXPECT_EQ(conn->QueryStatusCode(status), 1);
  EXPECT_EQ(conn->Write("x", 1, false), http::kNoRequest);
  EXPECT_EQ(conn->SendRequest("", true, nullptr, 0, 0, false), http::kConnectFailed);
  EXPECT_EQ(conn->SendRequest("ftp://127.0.0.1/tr", true, nullptr, 0, 0, false),
            http::kConnectFailed);
  EXPECT_EQ(conn->GetState(), http::kStateFailed);
}

TEST_F(HttpConnTest, RefusedConnectionFailsTheSend) {
  std::string url;
  {
    sim::ServiceSimulator gone({});
    url = gone.url();
  }
  auto observer = MakeRef<RecordingObserver>();
  RefPtr<IHttpConn> conn = Connect(observer);
  EXPECT_EQ(Send(*conn, url, "cmd=blob&n=1"), http::kSendFailed);
  EXPECT_EQ(conn->GetState(), http::kStateFailed);
  EXPECT_NE(conn->GetErrorCode(), 0u);
  EXPECT_EQ(observer->events,
            (std::vector<std::string>{Event("Connecting", {}), Event("RequestSent", {2})}));
}

TEST_F(HttpConnTest, ErrorPageIsAnAnswerWhoseStatusCanBeQueried) {
  sim::Faults faults;
  faults.serverError = true;
  sim_.SetFaults("blob", faults);
  RefPtr<IHttpConn> conn = Connect();
  ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=1"), http::kOk);
  std::int32_t status = 0;
  std::string type;
  EXPECT_EQ(conn->QueryStatusCode(status), 0);
  EXPECT_EQ(status, 500);
  EXPECT_EQ(conn->QueryContentType(type), 0);
  EXPECT_EQ(type, "text/html");

  std::int32_t index = 0;
  std::string value;
  EXPECT_EQ(conn->QueryInfo("content-type", value, index), 0);
  EXPECT_EQ(value, "text/html");
  EXPECT_EQ(index, 1);
  EXPECT_EQ(conn->QueryInfo("content-type", value, index), 1);
  EXPECT_EQ(conn->QueryMimeVersion(value), 1);
}

TEST_F(HttpConnTest, QueryCharsetReadsTheAnswersContentType) {
  struct Case {
    const char* contentType;  // "-": none
    std::int32_t result;
    const char* charset;
  };
  const std::string tooLong = "text/html; x=" + std::string(250, 'x') + "; charset=utf-8";
  const Case cases[] = {
      {"text/html; charset=utf-8", 0, "utf-8"},
      {"text/html;CHARSET=UTF-8; x=y", 0, "UTF-8"},
      {"text/html", 0, ""},
      {"-", 1, ""},
      {tooLong.c_str(), 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.contentType);
    RefPtr<IHttpConn> conn = Connect();
    std::string body = "cmd=blob&n=1&ctype=";
    EncodeFormString(c.contentType, body);
    ASSERT_EQ(Send(*conn, sim_.url(), body), http::kOk);
    std::string charset = "left over";
    EXPECT_EQ(conn->QueryCharset(charset), c.result);
    EXPECT_EQ(charset, c.charset);
  }
}

// --- session cookie -------------------------------------------------------------------

class SessionCookieTest : public HttpConnTest {
 protected:
  SessionCookieTest() {
    test::RegisterTestCommands(secureSim_);
    caFile_ = home_.path() / "ca.pem";
    std::ofstream(caFile_) << authority_.CertificatePem();
    settings_.extraCaFile = caFile_;
  }

  // Sends to the URL and returns the Cookie header the simulator saw (empty: none).
  std::string Exchange(sim::ServiceSimulator& simulator, const std::string& url,
                       const std::string& body, bool sessionCookie = true) {
    simulator.ClearRequests();
    RefPtr<IHttpConn> conn = CreateHttpConn(kAgent, {}, 0, 0, sessionCookie, settings_);
    EXPECT_EQ(Send(*conn, url, body), http::kOk);
    const auto requests = simulator.Requests();
    return requests.empty() ? "?" : requests.back().Header("Cookie").value_or("");
  }

  test::TempDir home_;
  test::TestAuthority authority_;
  test::IssuedCertificate certificate_ = authority_.Issue({"IP:127.0.0.1", "DNS:localhost"});
  sim::ServiceSimulator secureSim_{{0, certificate_.certificatePem, certificate_.keyPem}};
  std::filesystem::path caFile_;
  HttpConnSettings settings_;
};

TEST_F(SessionCookieTest, SecureAndPlainCookiesAreKeptApart) {
  const std::string secureUrl = secureSim_.url();
  const std::string plainUrl = sim_.url();
  Exchange(secureSim_, secureUrl, "cmd=blob&cookie=sid%3dsecure");
  Exchange(sim_, plainUrl, "cmd=blob&cookie=sid%3dplain");

  EXPECT_EQ(Exchange(secureSim_, secureUrl, "cmd=blob"), "sid=secure");
  EXPECT_EQ(Exchange(sim_, plainUrl, "cmd=blob"), "sid=plain");
  EXPECT_EQ(SessionCookieHeader(true), "Cookie: sid=secure");

  // Capitals in the scheme still make the address secure.
  const std::string shouting = "HTTPS" + secureUrl.substr(5);
  EXPECT_EQ(Exchange(secureSim_, shouting, "cmd=blob&cookie=sid%3dloud"), "sid=secure");
  EXPECT_EQ(SessionCookieHeader(true), "Cookie: sid=loud");
  EXPECT_EQ(SessionCookieHeader(false), "Cookie: sid=plain");
}

TEST_F(SessionCookieTest, AnswerWithoutSetCookieKeepsTheCookie) {
  Exchange(sim_, sim_.url(), "cmd=blob&cookie=sid%3dfirst%3b+Path%3d%2f");
  sim::Faults faults;
  faults.noSetCookie = true;
  sim_.SetFaults("blob", faults);
  Exchange(sim_, sim_.url(), "cmd=blob&cookie=sid%3dsecond");
  // The whole Set-Cookie value is sent back, attributes included.
  EXPECT_EQ(Exchange(sim_, sim_.url(), "cmd=blob"), "sid=first; Path=/");
}

TEST_F(SessionCookieTest, ConnectionWithoutSessionCookieNeitherSendsNorCaptures) {
  Exchange(sim_, sim_.url(), "cmd=blob&cookie=sid%3dkept");
  EXPECT_EQ(Exchange(sim_, sim_.url(), "cmd=blob&cookie=sid%3dother", false), "");
  EXPECT_EQ(SessionCookieHeader(false), "Cookie: sid=kept");
}

TEST_F(SessionCookieTest, ClearedCookiesAreNotSent) {
  Exchange(sim_, sim_.url(), "cmd=blob&cookie=sid%3dgone");
  ClearSessionCookies();
  EXPECT_EQ(Exchange(sim_, sim_.url(), "cmd=blob"), "");
}

// --- certificates and redirects ---------------------------------------------------------

TEST_F(SessionCookieTest, CertificatesAreVerified) {
  struct Case {
    const char* name;
    bool trustTestCa;
    std::vector<std::string> alternativeNames;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"trusted", true, {"IP:127.0.0.1", "DNS:localhost"}, http::kOk},
      {"unknown authority", false, {"IP:127.0.0.1"}, http::kSendFailed},
      {"wrong host name", true, {"DNS:other.example"}, http::kSendFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const test::IssuedCertificate issued = authority_.Issue(c.alternativeNames);
    sim::ServiceSimulator server({0, issued.certificatePem, issued.keyPem});
    test::RegisterTestCommands(server);
    HttpConnSettings settings;
    if (c.trustTestCa) settings.extraCaFile = caFile_;
    RefPtr<IHttpConn> conn = CreateHttpConn(kAgent, {}, 0, 0, true, settings);
    EXPECT_EQ(Send(*conn, server.url(), "cmd=blob&n=3"), c.expected);
    if (c.expected != http::kOk) {
      EXPECT_EQ(conn->GetErrorCode(), static_cast<std::uint32_t>(CURLE_PEER_FAILED_VERIFICATION));
    }
  }
}

TEST_F(SessionCookieTest, RedirectIsFollowedButNeverFromHttpsToHttp) {
  const std::string toPlain =
      "cmd=blob&status=302&location=" + std::string("http%3a%2f%2f127.0.0.1%3a") +
      std::to_string(sim_.port()) + "%2ftr";
  RefPtr<IHttpConn> conn = CreateHttpConn(kAgent, {}, 0, 0, true, settings_);
  EXPECT_EQ(Send(*conn, secureSim_.url(), toPlain), http::kSendFailed);
  EXPECT_TRUE(sim_.Requests().empty());

  // Plain HTTP to plain HTTP is followed (as a GET, which the service refuses with 405).
  RefPtr<IHttpConn> plain = CreateHttpConn(kAgent, {}, 0, 0, true, settings_);
  ASSERT_EQ(Send(*plain, sim_.url(), toPlain), http::kOk);
  std::int32_t status = 0;
  EXPECT_EQ(plain->QueryStatusCode(status), 0);
  EXPECT_EQ(status, 405);
}

// --- cancel and time-outs ----------------------------------------------------------------

TEST_F(HttpConnTest, CancelDuringUploadStopsAfterThePieceAndForEver) {
  auto observer = MakeRef<RecordingObserver>();
  RefPtr<IHttpConn> conn = Connect(observer);
  IHttpConn* raw = conn.get();
  observer->hook = [raw](const std::string& event) {
    if (event.starts_with("UploadProgress")) raw->Cancel();
  };
  const std::string body = "cmd=echo&pad=" + std::string(1'000'000, 'p');
  EXPECT_EQ(Send(*conn, sim_.url(), body, true), http::kCancelled);
  const std::int32_t size = static_cast<std::int32_t>(body.size());
  const std::vector<std::string> expected = {
      Event("Connecting", {}), Event("RequestSent", {0}), Event("UploadBegin", {size}),
      Event("UploadProgress", {PieceFor(size), size}), Event("UploadEnd", {13, size})};
  EXPECT_EQ(observer->events, expected);
  EXPECT_TRUE(conn->IsCancelled());

  observer->events.clear();
  EXPECT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=1"), http::kCancelled);
  EXPECT_TRUE(observer->events.empty());
}

TEST_F(HttpConnTest, CancelFromAnotherThreadEndsAStalledDownload) {
  sim::Faults faults;
  faults.stallAt = 1'000;
  faults.stallInside = 60s;
  sim_.SetFaults("blob", faults);
  RefPtr<IHttpConn> conn = Connect();
  ASSERT_EQ(Send(*conn, sim_.url(), "cmd=blob&n=100000"), http::kOk);

  std::jthread canceller([conn] {
    std::this_thread::sleep_for(300ms);
    conn->Cancel();
  });
  const auto start = std::chrono::steady_clock::now();
  auto buffer = MakeRef<DataBuffer>();
  EXPECT_EQ(conn->ReadToBuffer(*buffer, 100'000, 0), http::kCancelled);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
}

TEST_F(HttpConnTest, SilenceLongerThanTheTimeoutFailsButASlowTrickleDoesNot) {
  HttpConnSettings settings;
  settings.requestTimeoutMs = 600;  // the time-out of a send with time-out 0

  sim::Faults stall;
  stall.stallBefore = 60s;
  stall.times = 1;
  sim_.SetFaults("blob", stall);
  RefPtr<IHttpConn> stalled = Connect({}, true, settings);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Send(*stalled, sim_.url(), "cmd=blob&n=10", false, 0), http::kSendFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
  EXPECT_EQ(stalled->GetErrorCode(), static_cast<std::uint32_t>(CURLE_OPERATION_TIMEDOUT));

  sim::Faults trickle;
  trickle.trickleBytes = 1;
  trickle.trickleInterval = 150ms;
  sim_.SetFaults("blob", trickle);
  RefPtr<IHttpConn> slow = Connect({}, true, settings);
  ASSERT_EQ(Send(*slow, sim_.url(), "cmd=blob&n=12", false, 0), http::kOk);
  EXPECT_TRUE(ReadAll(*slow, 12) == test::PatternBytes(12));
}

}  // namespace
}  // namespace vorla

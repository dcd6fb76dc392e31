#include "platform/CHttpConn.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <limits>

#include "common/DataBuffer.h"
#include "platform/ResponseHeaders.h"
#include "service/SessionCookies.h"

namespace vorla {

namespace {

constexpr std::size_t kMaxAgentLength = 511;
constexpr std::size_t kMaxContentTypeLength = 255;

// A hundredth of the transfer, 4 KB to 64 KB, so progress shows about a hundred times.
std::int32_t ProgressPieceSize(std::int32_t total) {
  return std::clamp(total / 100, 4096, 65536);
}

bool IsUsableUrl(std::string_view url) {
  CURLU* parsed = curl_url();
  if (!parsed) return false;
  const std::string text(url);
  char* scheme = nullptr;
  const bool ok = curl_url_set(parsed, CURLUPART_URL, text.c_str(), 0) == CURLUE_OK &&
                  curl_url_get(parsed, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
                  (std::string_view(scheme) == "http" || std::string_view(scheme) == "https");
  curl_free(scheme);
  curl_url_cleanup(parsed);
  return ok;
}

// Splits header lines given as one text ("A: 1\r\nB: 2").
void AppendHeaderLines(std::string_view text, std::vector<std::string>& headers) {
  while (!text.empty()) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) headers.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

CHttpConn::CHttpConn(std::string_view agent, bool useSessionCookie,
                     const HttpConnSettings& settings)
    : multi_(curl_multi_init()),
      useSessionCookie_(useSessionCookie),
      defaultTimeoutMs_(settings.requestTimeoutMs),
      receiveTimeoutMs_(settings.requestTimeoutMs),
      extraCertificates_(settings.extraCaFile) {
  if (!agent.empty() && agent.size() <= kMaxAgentLength) agent_ = agent;
}

CHttpConn::~CHttpConn() {
  transfer_.reset();
  if (multi_) curl_multi_cleanup(multi_);
}

TransferRequest CHttpConn::MakeRequest(std::string_view url, bool post, std::int32_t length,
                                       bool secure) const {
  TransferRequest request;
  request.url = url;
  request.post = post;
  request.bodyLength = post ? length : 0;
  request.agent = agent_;
  request.followRedirects = autoRedirect_;
  // libcurl's cookies are off exactly when the connection keeps the session cookie itself.
  const bool storeOn = SessionCookiesEnabled();
  request.cookieEngine = !useSessionCookie_ && storeOn;
  request.extraCertificates = &extraCertificates_;
  // The service wants neither an interim 100 answer nor an Accept header.
  request.headers = {"Expect:", "Accept:"};
  if (!cacheAllowed_) request.headers.emplace_back("Pragma: no-cache");
  if (useSessionCookie_ && storeOn) {
    std::string cookie = SessionCookieHeader(secure);
    if (!cookie.empty()) request.headers.push_back(std::move(cookie));
  }
  AppendHeaderLines(extraHeaders_, request.headers);
  if (!contentTypeHeader_.empty()) {
    request.headers.push_back(contentTypeHeader_);
  } else if (post) {
    request.headers.emplace_back("Content-Type: application/x-www-form-urlencoded");
  }
  return request;
}

std::int32_t CHttpConn::Fail(std::int32_t result, std::uint32_t error) {
  errorCode_ = error;
  transfer_.reset();
  state_ = http::kStateFailed;
  return cancelled_ ? http::kCancelled : result;
}

CurlTransfer::Wait CHttpConn::PumpUntil(const std::function<bool()>& ready) {
  return transfer_->Pump(ready, cancelled_, std::chrono::milliseconds(receiveTimeoutMs_));
}

void CHttpConn::KeepWaitError(CurlTransfer::Wait wait) {
  switch (wait) {
    case CurlTransfer::Wait::TimedOut:
      errorCode_ = CURLE_OPERATION_TIMEDOUT;
      break;
    case CurlTransfer::Wait::Cancelled:
      errorCode_ = CURLE_ABORTED_BY_CALLBACK;
      break;
    case CurlTransfer::Wait::Failed:
      errorCode_ = transfer_->Result() != CURLE_OK ? transfer_->Result() : CURLE_RECV_ERROR;
      break;
    default:
      break;
  }
}

void CHttpConn::NotifyConnecting() {
  const bool reconnect = std::exchange(reconnectNotice_, false);
  if (!observer_) return;
  if (reconnect) {
    observer_->OnReconnecting(0, observerValue_);
  } else {
    observer_->OnConnecting(observerValue_);
  }
}

std::int32_t CHttpConn::SendRequest(std::string_view url, bool post, const char* body,
                                    std::int32_t length, std::int32_t timeoutMs, bool chunked) {
  if (url.empty()) return http::kConnectFailed;
  if (cancelled_) return http::kCancelled;
  if (!multi_) return Fail(http::kSessionFailed, CURLE_FAILED_INIT);
  if (timeoutMs > 0) receiveTimeoutMs_ = timeoutMs;
  if (!post || !body || length < 0) length = 0;
  transfer_.reset();
  state_ = http::kStateIdle;
  if (!IsUsableUrl(url)) return Fail(http::kConnectFailed, CURLE_URL_MALFORMAT);

  const bool secure = IsSecureUrl(url);
  if (cancelled_) return http::kCancelled;
  NotifyConnecting();
  transfer_ = std::make_unique<CurlTransfer>(multi_);
  if (const CURLcode opened = transfer_->Open(MakeRequest(url, post, length, secure));
      opened != CURLE_OK) {
    return Fail(http::kOpenFailed, opened);
  }
  if (const CURLMcode started = transfer_->Start(); started != CURLM_OK) {
    return Fail(http::kOpenFailed, static_cast<std::uint32_t>(started));
  }

  CurlTransfer* transfer = transfer_.get();
  const auto headersIn = [transfer] { return transfer->HeadersComplete(); };
  bool sent = false;
  if (!chunked) {
    transfer->OfferBody(body, static_cast<std::size_t>(length));
    const CurlTransfer::Wait wait = PumpUntil(headersIn);
    sent = transfer->HeadersComplete();
    if (!sent) KeepWaitError(wait);
    if (observer_) observer_->OnRequestSent(sent ? 0 : 2, observerValue_);
  } else {
    // The headers are out once libcurl asks for the body (or, for an empty body, once the
    // answer has begun).
    const CurlTransfer::Wait wait =
        PumpUntil([transfer] { return transfer->WantsBody() || transfer->HeadersComplete(); });
    const bool started = transfer->WantsBody() || transfer->HeadersComplete();
    if (!started) KeepWaitError(wait);
    if (observer_ && !cancelled_) observer_->OnRequestSent(started ? 0 : 2, observerValue_);
    if (started && Write(body, length, true) == http::kOk) {
      KeepWaitError(PumpUntil(headersIn));
      sent = transfer->HeadersComplete();
    }
  }
  transfer->WithdrawBody();
  if (!sent) return Fail(http::kSendFailed, errorCode_);

  state_ = http::kStateAnswered;
  if (useSessionCookie_ && SessionCookiesEnabled()) {
    if (auto cookie = transfer->Headers().Find("Set-Cookie")) CaptureSessionCookie(secure, *cookie);
  }
  return http::kOk;
}

std::int32_t CHttpConn::Post(std::string_view url, bool post, const char* body,
                             std::int32_t length) {
  return SendRequest(url, post, body, length, defaultTimeoutMs_, false);
}

std::int32_t CHttpConn::Get(std::string_view url) {
  return SendRequest(url, false, nullptr, 0, 0, false);
}

std::int32_t CHttpConn::Write(const char* data, std::int32_t length, bool notify) {
  if (!transfer_) return http::kNoRequest;
  if (cancelled_) return http::kCancelled;
  const bool report = observer_ && notify;
  const std::int32_t piece = report ? ProgressPieceSize(length) : std::max(length, 1);
  if (report) observer_->OnUploadBegin(length, observerValue_);

  CurlTransfer* transfer = transfer_.get();
  std::int32_t written = 0;
  std::int32_t result = http::kOk;
  while (written < length) {
    const std::int32_t n = std::min(piece, length - written);
    transfer->OfferBody(data + written, static_cast<std::size_t>(n));
    const CurlTransfer::Wait wait =
        PumpUntil([transfer] { return transfer->BodyTaken() || transfer->HeadersComplete(); });
    if (!transfer->BodyTaken()) {
      transfer->WithdrawBody();
      KeepWaitError(wait);
      result = cancelled_ ? http::kCancelled : http::kWriteFailed;
      break;
    }
    written += n;
    if (cancelled_) {
      result = http::kCancelled;
      break;
    }
    if (report) observer_->OnUploadProgress(written, length, observerValue_);
  }
  if (result == http::kOk && written != length) result = http::kWriteFailed;
  if (report) observer_->OnUploadEnd(result, length, observerValue_);
  return result;
}

std::int32_t CHttpConn::Read(char* destination, std::int32_t length) {
  if (!HasAnswer() || cancelled_) return -1;
  if (length <= 0) return 0;
  CurlTransfer* transfer = transfer_.get();
  std::int32_t got = 0;
  for (;;) {
    got += static_cast<std::int32_t>(
        transfer->TakeBody(destination + got, static_cast<std::size_t>(length - got)));
    if (got == length) return got;
    if (transfer->Finished()) {
      if (transfer->Result() == CURLE_OK) return got;
      errorCode_ = transfer->Result();
      return -1;
    }
    if (cancelled_) return -1;
    transfer->ResumeReceiving();
    const CurlTransfer::Wait wait = PumpUntil([transfer] { return transfer->Available() > 0; });
    // A transfer that ended with an error still hands over what arrived before the error.
    const bool goOn = wait == CurlTransfer::Wait::Ready || transfer->Finished();
    if (!goOn) {
      KeepWaitError(wait);
      return -1;
    }
  }
}

std::int32_t CHttpConn::ReadToBuffer(IDataBuffer& buffer, std::int32_t total, std::int32_t piece) {
  if (!HasAnswer()) return http::kNoAnswer;
  if (cancelled_) return http::kCancelled;
  if (total < 0) return http::kReadFailed;
  std::int32_t pieceSize = piece > 0 ? piece : total;
  if (observer_ && piece == 0) pieceSize = ProgressPieceSize(total);
  if (observer_) observer_->OnDownloadBegin(total, observerValue_);

  std::int32_t soFar = 0;
  std::int32_t result = http::kOk;
  while (soFar < total) {
    const std::int32_t ask = std::min(pieceSize, total - soFar);
    const std::int32_t held = buffer.GetLength();
    if (buffer.Reserve(held + ask) < 0) {
      result = http::kReadFailed;
      break;
    }
    const std::int32_t n = Read(buffer.GetData() + held, ask);
    if (n < 0) {
      result = cancelled_ ? http::kCancelled : http::kReadFailed;
      break;
    }
    buffer.SetLength(held + n);
    soFar += n;
    // An answer shorter than announced ends here; whoever reads it decides what that means.
    if (n == 0 || soFar == total) break;
    if (cancelled_) {
      result = http::kCancelled;
      break;
    }
    if (observer_) observer_->OnDownloadProgress(soFar, total, observerValue_);
  }
  if (buffer.Reserve(buffer.GetLength()) >= 0) buffer.GetData()[buffer.GetLength()] = '\0';
  if (observer_) observer_->OnDownloadEnd(result, total, observerValue_);
  return result;
}

std::int32_t CHttpConn::ReadToNewBuffer(RefPtr<IDataBuffer>& buffer, std::int32_t total,
                                        std::int32_t piece) {
  const std::int64_t capacity = std::int64_t{piece > 0 ? piece : total} + 4;
  RefPtr<IDataBuffer> created = MakeRef<DataBuffer>();
  if (total < 0 || capacity > std::numeric_limits<std::int32_t>::max() ||
      created->Reserve(static_cast<std::int32_t>(capacity)) < 0) {
    return http::kReadFailed;
  }
  buffer = created;
  return ReadToBuffer(*buffer, total, piece);
}

std::int32_t CHttpConn::Cancel() {
  cancelled_ = true;
  // Wakes a pump waiting on the network; it sees the flag and stops.
  if (multi_) curl_multi_wakeup(multi_);
  return 0;
}

std::int32_t CHttpConn::QueryHeader(std::string_view name, std::string& value) {
  value.clear();
  if (!HasAnswer()) return 1;
  auto found = transfer_->Headers().Find(name);
  if (!found) return 1;
  value = std::move(*found);
  return 0;
}

std::int32_t CHttpConn::QueryMimeVersion(std::string& value) {
  return QueryHeader("MIME-Version", value);
}

std::int32_t CHttpConn::QueryContentType(std::string& value) {
  return QueryHeader("Content-Type", value);
}

std::int32_t CHttpConn::QuerySetCookie(std::string& value) {
  return QueryHeader("Set-Cookie", value);
}

std::int32_t CHttpConn::QueryContentLength(std::int32_t& value) {
  value = 0;
  std::string text;
  if (QueryHeader("Content-Length", text) != 0) return 1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    value = 0;
    return 1;
  }
  return 0;
}

std::int32_t CHttpConn::QueryStatusCode(std::int32_t& value) {
  value = 0;
  if (!HasAnswer() || transfer_->Headers().StatusCode() == 0) return 1;
  value = transfer_->Headers().StatusCode();
  return 0;
}

std::int32_t CHttpConn::QueryCharset(std::string& value) {
  std::string contentType;
  value.clear();
  if (QueryHeader("Content-Type", contentType) != 0 || contentType.size() > kMaxContentTypeLength) {
    return 1;
  }
  value = CharsetOf(contentType);
  return 0;
}

std::int32_t CHttpConn::QueryInfo(std::string_view name, std::string& value, std::int32_t& index) {
  value.clear();
  if (!HasAnswer() || index < 0) return 1;
  auto found = transfer_->Headers().Find(name, index);
  if (!found) return 1;
  value = std::move(*found);
  ++index;
  return 0;
}

std::int32_t CHttpConn::SetExtraHeaders(std::string_view headers) {
  extraHeaders_ = headers;
  return 0;
}

std::int32_t CHttpConn::SetContentType(std::string_view mediaType) {
  contentTypeHeader_ =
      mediaType.empty() ? std::string() : "Content-Type: " + std::string(mediaType);
  return 0;
}

std::int32_t CHttpConn::SetCacheAllowed(bool allowed) {
  cacheAllowed_ = allowed;
  return 0;
}

std::int32_t CHttpConn::SetAutoRedirect(bool follow) {
  autoRedirect_ = follow;
  return 0;
}

std::int32_t CHttpConn::SetTimeout(std::int32_t milliseconds) {
  defaultTimeoutMs_ = milliseconds;
  return 0;
}

std::int32_t CHttpConn::SetOption(std::int32_t) {
  return 0;
}

std::int32_t CHttpConn::SetObserver(RefPtr<IHttpConnObserver> observer, std::int32_t value) {
  observer_ = std::move(observer);
  observerValue_ = value;
  return 0;
}

RefPtr<IHttpConn> CreateHttpConn(std::string_view agent, RefPtr<IHttpConnObserver> observer,
                                 std::int32_t option, std::int32_t observerValue,
                                 bool useSessionCookie, const HttpConnSettings& settings) {
  RefPtr<IHttpConn> conn = MakeRef<CHttpConn>(agent, useSessionCookie, settings);
  if (observer) conn->SetObserver(std::move(observer), observerValue);
  if (option > 0) conn->SetOption(option);
  return conn;
}

}  // namespace vorla

#include "platform/CurlTransfer.h"

#include <algorithm>
#include <cstring>

namespace vorla {

namespace {

// Answer bytes buffered ahead of the reader before receiving pauses.
constexpr std::size_t kReceiveLimit = 256 * 1024;
// The longest single wait, so a time-out is noticed even when libcurl has nothing to say.
constexpr std::chrono::milliseconds kLongestPoll{500};

bool IsRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

}  // namespace

CurlTransfer::~CurlTransfer() {
  if (added_) curl_multi_remove_handle(multi_, easy_);
  if (easy_) curl_easy_cleanup(easy_);
  curl_slist_free_all(headerList_);
}

CURLcode CurlTransfer::Open(const TransferRequest& request) {
  easy_ = curl_easy_init();
  if (!easy_) return CURLE_FAILED_INIT;
  followRedirects_ = request.followRedirects;
  extraCertificates_ = request.extraCertificates;
  for (const std::string& header : request.headers) {
    curl_slist* grown = curl_slist_append(headerList_, header.c_str());
    if (!grown) return CURLE_OUT_OF_MEMORY;
    headerList_ = grown;
  }
  const bool secure = request.url.size() >= 6 && curl_strnequal(request.url.c_str(), "https:", 6);
  CURLcode result = CURLE_OK;
  auto set = [&](CURLoption option, auto value) {
    if (result == CURLE_OK) result = curl_easy_setopt(easy_, option, value);
  };
  set(CURLOPT_URL, request.url.c_str());
  set(CURLOPT_NOSIGNAL, 1L);
  set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  set(CURLOPT_PROTOCOLS_STR, "http,https");
  // A redirect never leaves HTTPS for plain HTTP.
  set(CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
  set(CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
  set(CURLOPT_MAXREDIRS, 10L);
  set(CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
  set(CURLOPT_SSL_VERIFYPEER, 1L);
  set(CURLOPT_SSL_VERIFYHOST, 2L);
  if (!request.agent.empty()) set(CURLOPT_USERAGENT, request.agent.c_str());
  set(CURLOPT_HTTPHEADER, headerList_);
  if (request.post) {
    set(CURLOPT_POST, 1L);
    set(CURLOPT_POSTFIELDSIZE_LARGE, request.bodyLength);
  } else {
    set(CURLOPT_HTTPGET, 1L);
  }
  if (request.cookieEngine) set(CURLOPT_COOKIEFILE, "");
  if (extraCertificates_ && !extraCertificates_->empty()) {
    // Each connection builds its store anew, so the extra certificates are always in it.
    set(CURLOPT_CA_CACHE_TIMEOUT, 0L);
    set(CURLOPT_SSL_CTX_FUNCTION, &CurlTransfer::OnSslContext);
    set(CURLOPT_SSL_CTX_DATA, static_cast<void*>(this));
  }
  set(CURLOPT_READFUNCTION, &CurlTransfer::OnRead);
  set(CURLOPT_READDATA, static_cast<void*>(this));
  set(CURLOPT_WRITEFUNCTION, &CurlTransfer::OnWrite);
  set(CURLOPT_WRITEDATA, static_cast<void*>(this));
  set(CURLOPT_HEADERFUNCTION, &CurlTransfer::OnHeader);
  set(CURLOPT_HEADERDATA, static_cast<void*>(this));
  set(CURLOPT_XFERINFOFUNCTION, &CurlTransfer::OnProgress);
  set(CURLOPT_XFERINFODATA, static_cast<void*>(this));
  set(CURLOPT_NOPROGRESS, 0L);
  return result;
}

CURLMcode CurlTransfer::Start() {
  const CURLMcode result = curl_multi_add_handle(multi_, easy_);
  added_ = result == CURLM_OK;
  return result;
}

CurlTransfer::Wait CurlTransfer::Pump(const std::function<bool()>& ready,
                                      const std::atomic<bool>& cancelled,
                                      std::chrono::milliseconds idleLimit) {
  // The time-out counts only while we wait, never the caller's time between calls.
  Moved();
  for (;;) {
    if (ready()) return Wait::Ready;
    if (finished_) return result_ == CURLE_OK ? Wait::Finished : Wait::Failed;
    if (cancelled) return Wait::Cancelled;
    int running = 0;
    if (curl_multi_perform(multi_, &running) != CURLM_OK) return Wait::Failed;
    CollectMessages();
    if (ready()) return Wait::Ready;
    if (finished_) continue;
    const auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - lastActivity_);
    if (idle >= idleLimit) return Wait::TimedOut;
    const auto wait = std::clamp(idleLimit - idle, std::chrono::milliseconds(1), kLongestPoll);
    if (curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait.count()), nullptr) != CURLM_OK) {
      return Wait::Failed;
    }
  }
}

void CurlTransfer::CollectMessages() {
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == easy_) {
      finished_ = true;
      result_ = message->data.result;
    }
  }
}

void CurlTransfer::ApplyPause() {
  curl_easy_pause(easy_,
                  (receivePaused_ ? CURLPAUSE_RECV : 0) | (sendPaused_ ? CURLPAUSE_SEND : 0));
}

void CurlTransfer::OfferBody(const char* data, std::size_t length) {
  offered_ = data;
  offeredLeft_ = length;
  if (sendPaused_ && length > 0) {
    sendPaused_ = false;
    ApplyPause();
  }
}

void CurlTransfer::WithdrawBody() {
  offered_ = nullptr;
  offeredLeft_ = 0;
}

std::size_t CurlTransfer::TakeBody(char* destination, std::size_t length) {
  const std::size_t n = std::min(length, Available());
  std::memcpy(destination, received_.data() + receivedTaken_, n);
  receivedTaken_ += n;
  if (receivedTaken_ == received_.size()) {
    received_.clear();
    receivedTaken_ = 0;
  }
  return n;
}

void CurlTransfer::ResumeReceiving() {
  if (!receivePaused_) return;
  receivePaused_ = false;
  ApplyPause();
}

bool CurlTransfer::IsFinalAnswer() const {
  const int status = headers_.StatusCode();
  if (status >= 100 && status < 200) return false;
  // libcurl follows this one itself; the answer we want comes after it.
  return !(followRedirects_ && IsRedirect(status) && headers_.Find("Location"));
}

std::size_t CurlTransfer::OnRead(char* buffer, std::size_t size, std::size_t count, void* self) {
  auto& transfer = *static_cast<CurlTransfer*>(self);
  transfer.wantsBody_ = true;
  if (transfer.offeredLeft_ == 0) {
    transfer.sendPaused_ = true;
    return CURL_READFUNC_PAUSE;
  }
  const std::size_t n = std::min(size * count, transfer.offeredLeft_);
  std::memcpy(buffer, transfer.offered_, n);
  transfer.offered_ += n;
  transfer.offeredLeft_ -= n;
  return n;
}

std::size_t CurlTransfer::OnWrite(char* data, std::size_t size, std::size_t count, void* self) {
  auto& transfer = *static_cast<CurlTransfer*>(self);
  if (transfer.Available() >= kReceiveLimit) {
    transfer.receivePaused_ = true;
    return CURL_WRITEFUNC_PAUSE;
  }
  transfer.received_.append(data, size * count);
  transfer.Moved();
  return size * count;
}

std::size_t CurlTransfer::OnHeader(char* data, std::size_t size, std::size_t count, void* self) {
  auto& transfer = *static_cast<CurlTransfer*>(self);
  transfer.Moved();
  if (transfer.headers_.AddLine(std::string_view(data, size * count)) && transfer.IsFinalAnswer()) {
    transfer.headersComplete_ = true;
  }
  return size * count;
}

int CurlTransfer::OnProgress(void* self, curl_off_t, curl_off_t dlNow, curl_off_t,
                             curl_off_t ulNow) {
  auto& transfer = *static_cast<CurlTransfer*>(self);
  if (dlNow != transfer.lastDown_ || ulNow != transfer.lastUp_) {
    transfer.lastDown_ = dlNow;
    transfer.lastUp_ = ulNow;
    transfer.Moved();
  }
  return 0;
}

CURLcode CurlTransfer::OnSslContext(CURL*, void* sslContext, void* self) {
  const auto& transfer = *static_cast<CurlTransfer*>(self);
  return transfer.extraCertificates_->AddTo(sslContext) ? CURLE_OK : CURLE_SSL_CACERT_BADFILE;
}

}  // namespace vorla

#pragma once

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/ExtraCertificates.h"
#include "platform/ResponseHeaders.h"

namespace vorla {

// What one request sends.
struct TransferRequest {
  std::string url;
  bool post = false;
  curl_off_t bodyLength = 0;  // announced as Content-Length
  std::string agent;          // no User-Agent header when empty
  std::vector<std::string> headers;
  bool followRedirects = true;
  bool cookieEngine = false;  // libcurl's own cookie handling
  const ExtraCertificates* extraCertificates = nullptr;
};

// One request on a multi handle, driven by the calling thread. The body is taken from
// pieces the caller offers (the read callback pauses while none is offered) and the answer
// is buffered up to a limit (the write callback pauses beyond it), so the caller decides
// the pace in both directions.
class CurlTransfer {
 public:
  enum class Wait { Ready, Finished, Cancelled, TimedOut, Failed };

  explicit CurlTransfer(CURLM* multi) : multi_(multi) {}
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  // Prepares the handle; the error when libcurl refuses.
  CURLcode Open(const TransferRequest& request);
  // Hands the request to the multi handle; nothing moves until Pump.
  CURLMcode Start();

  // Drives the transfer until ready() holds, it ends, cancelled is set, or no byte moved in
  // either direction for idleLimit.
  Wait Pump(const std::function<bool()>& ready, const std::atomic<bool>& cancelled,
            std::chrono::milliseconds idleLimit);

  // The next piece of the body; it must stay valid until it is taken or withdrawn.
  void OfferBody(const char* data, std::size_t length);
  bool BodyTaken() const { return offeredLeft_ == 0; }
  void WithdrawBody();
  // libcurl asked for body bytes: the request line and headers are on their way.
  bool WantsBody() const { return wantsBody_; }

  bool HeadersComplete() const { return headersComplete_; }
  const ResponseHeaders& Headers() const { return headers_; }
  std::size_t Available() const { return received_.size() - receivedTaken_; }
  std::size_t TakeBody(char* destination, std::size_t length);
  void ResumeReceiving();

  bool Finished() const { return finished_; }
  CURLcode Result() const { return result_; }

 private:
  static std::size_t OnRead(char* buffer, std::size_t size, std::size_t count, void* self);
  static std::size_t OnWrite(char* data, std::size_t size, std::size_t count, void* self);
  static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* self);
  static int OnProgress(void* self, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal,
                        curl_off_t ulNow);
  static CURLcode OnSslContext(CURL* easy, void* sslContext, void* self);

  bool IsFinalAnswer() const;
  void CollectMessages();
  void ApplyPause();
  void Moved() { lastActivity_ = std::chrono::steady_clock::now(); }

  CURLM* multi_;
  CURL* easy_ = nullptr;
  curl_slist* headerList_ = nullptr;
  bool added_ = false;
  bool followRedirects_ = true;
  const ExtraCertificates* extraCertificates_ = nullptr;

  const char* offered_ = nullptr;
  std::size_t offeredLeft_ = 0;
  bool wantsBody_ = false;
  bool sendPaused_ = false;

  std::string received_;
  std::size_t receivedTaken_ = 0;
  bool receivePaused_ = false;

  ResponseHeaders headers_;
  bool headersComplete_ = false;
  bool finished_ = false;
  CURLcode result_ = CURLE_OK;
  curl_off_t lastUp_ = 0;
  curl_off_t lastDown_ = 0;
  std::chrono::steady_clock::time_point lastActivity_;
};

}  // namespace vorla

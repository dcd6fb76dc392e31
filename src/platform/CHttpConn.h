#pragma once

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "platform/CurlTransfer.h"
#include "platform/ExtraCertificates.h"
#include "service/HttpConn.h"

namespace vorla {

// What a connection takes from the configuration.
struct HttpConnSettings {
  // The receive time-out of a request sent with time-out 0 before any other was set.
  std::int32_t requestTimeoutMs = 30'000;
  // A private CA trusted in addition to the system's; empty for none.
  std::filesystem::path extraCaFile;
};

// The HTTP connection on libcurl. The thread that uses it drives one multi handle itself:
// SendRequest returns once the answer's headers are in, and the body is pulled by Read in
// the caller's pieces. Certificates are always verified.
class CHttpConn final : public UnknownImpl<IHttpConn> {
 public:
  CHttpConn(std::string_view agent, bool useSessionCookie, const HttpConnSettings& settings);
  ~CHttpConn() override;

  std::int32_t SendRequest(std::string_view url, bool post, const char* body, std::int32_t length,
                           std::int32_t timeoutMs, bool chunked) override;
  std::int32_t Post(std::string_view url, bool post, const char* body,
                    std::int32_t length) override;
  std::int32_t Get(std::string_view url) override;
  std::int32_t Write(const char* data, std::int32_t length, bool notify) override;
  std::int32_t Read(char* destination, std::int32_t length) override;
  std::int32_t ReadToBuffer(IDataBuffer& buffer, std::int32_t total, std::int32_t piece) override;
  std::int32_t ReadToNewBuffer(RefPtr<IDataBuffer>& buffer, std::int32_t total,
                               std::int32_t piece) override;
  std::int32_t Cancel() override;
  bool IsCancelled() override { return cancelled_.load(); }
  std::int32_t GetState() override { return state_; }
  std::uint32_t GetErrorCode() override { return errorCode_; }
  std::int32_t QueryMimeVersion(std::string& value) override;
  std::int32_t QueryContentType(std::string& value) override;
  std::int32_t QueryContentLength(std::int32_t& value) override;
  std::int32_t QueryStatusCode(std::int32_t& value) override;
  std::int32_t QueryCharset(std::string& value) override;
  std::int32_t QuerySetCookie(std::string& value) override;
  std::int32_t QueryInfo(std::string_view name, std::string& value, std::int32_t& index) override;
  std::int32_t SetExtraHeaders(std::string_view headers) override;
  std::int32_t SetContentType(std::string_view mediaType) override;
  std::int32_t SetCacheAllowed(bool allowed) override;
  std::int32_t SetAutoRedirect(bool follow) override;
  std::int32_t SetTimeout(std::int32_t milliseconds) override;
  std::int32_t SetOption(std::int32_t option) override;
  std::int32_t SetObserver(RefPtr<IHttpConnObserver> observer, std::int32_t value) override;
  void SetReconnectNotice() override { reconnectNotice_ = true; }

 private:
  TransferRequest MakeRequest(std::string_view url, bool post, std::int32_t length,
                              bool secure) const;
  // Ends a failed send: the error is kept, the request dropped, the state failed.
  std::int32_t Fail(std::int32_t result, std::uint32_t error);
  CurlTransfer::Wait PumpUntil(const std::function<bool()>& ready);
  void KeepWaitError(CurlTransfer::Wait wait);
  bool HasAnswer() const { return transfer_ && state_ == http::kStateAnswered; }
  std::int32_t QueryHeader(std::string_view name, std::string& value);
  void NotifyConnecting();

  CURLM* multi_ = nullptr;
  std::unique_ptr<CurlTransfer> transfer_;
  std::int32_t state_ = http::kStateIdle;
  bool cacheAllowed_ = false;
  bool autoRedirect_ = true;
  bool useSessionCookie_ = false;
  bool reconnectNotice_ = false;
  std::uint32_t errorCode_ = 0;
  std::int32_t defaultTimeoutMs_;
  std::int32_t receiveTimeoutMs_;
  std::atomic<bool> cancelled_{false};
  std::string agent_;
  std::string extraHeaders_;
  std::string contentTypeHeader_;
  RefPtr<IHttpConnObserver> observer_;
  std::int32_t observerValue_ = 0;
  ExtraCertificates extraCertificates_;
};

// Creates a connection with one reference, its observer set when one is given.
RefPtr<IHttpConn> CreateHttpConn(std::string_view agent, RefPtr<IHttpConnObserver> observer,
                                 std::int32_t option, std::int32_t observerValue,
                                 bool useSessionCookie, const HttpConnSettings& settings);

}  // namespace vorla

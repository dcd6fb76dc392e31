#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/DataBuffer.h"
#include "common/RefPtr.h"
#include "common/Unknown.h"

namespace vorla {

// Results of the connection operations.
namespace http {
inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kConnectFailed = 1;  // no URL, or the address cannot be used
inline constexpr std::int32_t kNoRequest = 1;      // Write without a request
inline constexpr std::int32_t kSessionFailed = 2;
inline constexpr std::int32_t kOpenFailed = 3;
inline constexpr std::int32_t kSendFailed = 4;
inline constexpr std::int32_t kReadFailed = 5;
inline constexpr std::int32_t kWriteFailed = 6;
inline constexpr std::int32_t kNoAnswer = 8;
inline constexpr std::int32_t kCancelled = 13;

// Connection states.
inline constexpr std::int32_t kStateIdle = 0;
inline constexpr std::int32_t kStateAnswered = 1;
inline constexpr std::int32_t kStateFailed = 2;
}  // namespace http

// Progress of one request. Every notification ends with the value given to SetObserver;
// the connection ignores what the observer returns. Notifications run on the thread that
// drives the connection.
class IHttpConnObserver : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("D8E21406-3A89-4A4C-9187-75B20BC73D02");

  virtual std::int32_t OnConnecting(std::int32_t value) = 0;
  virtual std::int32_t OnReconnecting(std::int32_t reserved, std::int32_t value) = 0;
  // status 0 after the request went out, 2 when it could not be sent.
  virtual std::int32_t OnRequestSent(std::int32_t status, std::int32_t value) = 0;
  virtual std::int32_t OnDownloadBegin(std::int32_t total, std::int32_t value) = 0;
  virtual std::int32_t OnDownloadProgress(std::int32_t soFar, std::int32_t total,
                                          std::int32_t value) = 0;
  virtual std::int32_t OnDownloadEnd(std::int32_t result, std::int32_t total,
                                     std::int32_t value) = 0;
  virtual std::int32_t OnUploadBegin(std::int32_t total, std::int32_t value) = 0;
  virtual std::int32_t OnUploadProgress(std::int32_t soFar, std::int32_t total,
                                        std::int32_t value) = 0;
  virtual std::int32_t OnUploadEnd(std::int32_t result, std::int32_t total, std::int32_t value) = 0;

 protected:
  ~IHttpConnObserver() override = default;
};

// One HTTP exchange with the service: a request is sent, its answer read in pieces, and
// the object released. Used by one thread; only Cancel may come from another.
class IHttpConn : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("9BBAFF01-62E6-11D3-B4D7-002018297BCD");

  // POST when post is set, else GET. A time-out of 0 keeps the receive time-out the
  // connection already has. In chunked mode the body goes through Write with upload
  // progress; the total length is announced either way.
  virtual std::int32_t SendRequest(std::string_view url, bool post, const char* body,
                                   std::int32_t length, std::int32_t timeoutMs, bool chunked) = 0;
  // SendRequest with the default time-out, not chunked.
  virtual std::int32_t Post(std::string_view url, bool post, const char* body,
                            std::int32_t length) = 0;
  virtual std::int32_t Get(std::string_view url) = 0;
  virtual std::int32_t Write(const char* data, std::int32_t length, bool notify) = 0;
  // Bytes read (fewer than asked only at the end of the answer), -1 on failure or cancel.
  virtual std::int32_t Read(char* destination, std::int32_t length) = 0;
  // Appends up to total bytes of the answer to the buffer in pieces (0 = automatic size).
  virtual std::int32_t ReadToBuffer(IDataBuffer& buffer, std::int32_t total,
                                    std::int32_t piece) = 0;
  virtual std::int32_t ReadToNewBuffer(RefPtr<IDataBuffer>& buffer, std::int32_t total,
                                       std::int32_t piece) = 0;
  virtual std::int32_t Cancel() = 0;
  virtual bool IsCancelled() = 0;
  virtual std::int32_t GetState() = 0;
  virtual std::uint32_t GetErrorCode() = 0;
  // The queries answer 0 and the value from the final answer's headers, else 1.
  virtual std::int32_t QueryMimeVersion(std::string& value) = 0;
  virtual std::int32_t QueryContentType(std::string& value) = 0;
  virtual std::int32_t QueryContentLength(std::int32_t& value) = 0;
  virtual std::int32_t QueryStatusCode(std::int32_t& value) = 0;
  virtual std::int32_t QueryCharset(std::string& value) = 0;
  virtual std::int32_t QuerySetCookie(std::string& value) = 0;
  // The index-th header of that name (counting from 0); index moves on to the next one.
  virtual std::int32_t QueryInfo(std::string_view name, std::string& value,
                                 std::int32_t& index) = 0;
  // Header lines ("Name: value", separated by CRLF) added to every request; empty removes.
  virtual std::int32_t SetExtraHeaders(std::string_view headers) = 0;
  // The media type of the body; empty removes it, and a POST then says it is a form.
  virtual std::int32_t SetContentType(std::string_view mediaType) = 0;
  virtual std::int32_t SetCacheAllowed(bool allowed) = 0;
  virtual std::int32_t SetAutoRedirect(bool follow) = 0;
  virtual std::int32_t SetTimeout(std::int32_t milliseconds) = 0;
  virtual std::int32_t SetOption(std::int32_t option) = 0;
  virtual std::int32_t SetObserver(RefPtr<IHttpConnObserver> observer, std::int32_t value) = 0;
  // Set on the repeat of a failed request: the first notification of the next send is
  // OnReconnecting instead of OnConnecting.
  virtual void SetReconnectNotice() = 0;

 protected:
  ~IHttpConn() override = default;
};

}  // namespace vorla

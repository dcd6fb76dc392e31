#pragma once

#include <cstdint>
#include <string_view>

#include "common/RefPtr.h"
#include "service/HttpConn.h"

namespace vorla {

// Creates the connection of one request. The programs plug in the real one; tests may plug
// in a fake.
class HttpConnFactory {
 public:
  virtual ~HttpConnFactory() = default;

  // With useSessionCookie the connection sends and captures the process-wide session
  // cookie and no other cookie handling is active. Null when no connection can be made.
  virtual RefPtr<IHttpConn> CreateHttpConn(std::string_view agent,
                                           RefPtr<IHttpConnObserver> observer, std::int32_t option,
                                           std::int32_t observerValue, bool useSessionCookie) = 0;
};

}  // namespace vorla

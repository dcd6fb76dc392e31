#pragma once

#include "common/RefPtr.h"
#include "config/Config.h"
#include "service/HttpConnFactory.h"

namespace vorla {

// Creates libcurl connections with the configuration's request time-out and extra CA.
class CurlHttpConnFactory final : public HttpConnFactory {
 public:
  explicit CurlHttpConnFactory(RefPtr<Config> config) : config_(std::move(config)) {}

  RefPtr<IHttpConn> CreateHttpConn(std::string_view agent, RefPtr<IHttpConnObserver> observer,
                                   std::int32_t option, std::int32_t observerValue,
                                   bool useSessionCookie) override;

 private:
  RefPtr<Config> config_;
};

}  // namespace vorla

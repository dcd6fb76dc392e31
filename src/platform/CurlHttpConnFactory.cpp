#include "platform/CurlHttpConnFactory.h"

#include "platform/CHttpConn.h"

namespace vorla {

RefPtr<IHttpConn> CurlHttpConnFactory::CreateHttpConn(std::string_view agent,
                                                      RefPtr<IHttpConnObserver> observer,
                                                      std::int32_t option,
                                                      std::int32_t observerValue,
                                                      bool useSessionCookie) {
  HttpConnSettings settings;
  settings.requestTimeoutMs = config_->limits.request_timeout;
  settings.extraCaFile = config_->ExtraCaFile();
  return vorla::CreateHttpConn(agent, std::move(observer), option, observerValue, useSessionCookie,
                               settings);
}

}  // namespace vorla

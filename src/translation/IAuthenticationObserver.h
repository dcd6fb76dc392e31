#pragma once

#include <string_view>

#include "common/RefPtr.h"
#include "common/Unknown.h"

namespace vorla {

class IHttpConnObserver;
class ServiceClient;

// Told about logins; the translator implements it to refresh its windows and to report
// repeated login requests in the progress display of the job that waits for the login.
class IAuthenticationObserver : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("B3C1E5A2-7D44-4F0B-9A63-2E8D51C7F904");

  // Before the login prompt opens (the reserved value is 0).
  virtual void OnLoginPrompt(int reserved) = 0;
  // At the end of every login, with the user name and the result.
  virtual void OnLoginFinished(std::string_view userName, int result) = 0;
  // When the login state changed without a login (a logout).
  virtual void OnStateChanged(std::string_view userName, int result) = 0;
  // Before a login request is sent again after its connection failed, for the job that
  // waits for the login.
  virtual void OnLoginRetry(ServiceClient& client, IHttpConnObserver* jobObserver) = 0;

 protected:
  ~IAuthenticationObserver() override = default;
};

}  // namespace vorla

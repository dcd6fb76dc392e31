#include "service/ServiceProcessState.h"

#include "service/AuthenticationLock.h"
#include "service/SessionCookies.h"

namespace vorla {

ServiceProcessState::ServiceProcessState() {
  InitSessionCookies();
  InitAuthenticationLock();
}

ServiceProcessState::~ServiceProcessState() {
  FreeAuthenticationLock();
  FreeSessionCookies();
}

}  // namespace vorla

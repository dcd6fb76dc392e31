#include "service/AuthenticationLock.h"

#include <atomic>

namespace vorla {

namespace {

// The mutex itself lives as long as the process, so a login still running at exit never
// holds a destroyed lock; start-up and exit only switch it on and off.
std::recursive_mutex authenticationMutex;
std::atomic<bool> authenticationLockExists{false};

}  // namespace

void InitAuthenticationLock() {
  authenticationLockExists = true;
}

void FreeAuthenticationLock() {
  authenticationLockExists = false;
}

std::unique_lock<std::recursive_mutex> LockAuthentication() {
  if (!authenticationLockExists) return {};
  return std::unique_lock(authenticationMutex);
}

}  // namespace vorla

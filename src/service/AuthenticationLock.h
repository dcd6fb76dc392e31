#pragma once

#include <mutex>

namespace vorla {

// Serialises the login exchanges of the whole process, the silent re-login of a worker
// included. A login may run a request that itself finds the session expired and logs in
// again, so the same thread may take the lock twice.
void InitAuthenticationLock();
void FreeAuthenticationLock();

// The lock, taken; not owned when the lock does not exist (before start-up or after exit),
// in which case the login must not run.
std::unique_lock<std::recursive_mutex> LockAuthentication();

}  // namespace vorla

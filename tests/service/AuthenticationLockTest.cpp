#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "service/AuthenticationLock.h"

namespace vorla {
namespace {

TEST(AuthenticationLock, OneLoginAtATimeAndNoneWithoutTheLock) {
  auto outer = LockAuthentication();
  ASSERT_TRUE(outer.owns_lock());
  // The re-login inside a login runs on the same thread.
  auto inner = LockAuthentication();
  EXPECT_TRUE(inner.owns_lock());

  std::atomic<bool> otherGotIt{false};
  std::thread other([&] {
    auto lock = LockAuthentication();
    otherGotIt = lock.owns_lock();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(otherGotIt);
  inner.unlock();
  outer.unlock();
  other.join();
  EXPECT_TRUE(otherGotIt);

  FreeAuthenticationLock();
  EXPECT_FALSE(LockAuthentication().owns_lock());
  InitAuthenticationLock();
  EXPECT_TRUE(LockAuthentication().owns_lock());
}

}  // namespace
}  // namespace vorla

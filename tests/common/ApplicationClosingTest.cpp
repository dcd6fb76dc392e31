#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "common/ApplicationClosing.h"

namespace vorla {
namespace {

TEST(ApplicationClosing, ListenersHearItOnceOnTheSettersThread) {
  int calls = 0;
  std::thread::id calledOn;
  ClosingListener listener([&] {
    ++calls;
    calledOn = std::this_thread::get_id();
  });
  int removedCalls = 0;
  std::optional<ClosingListener> removed(std::in_place, [&removedCalls] { ++removedCalls; });
  removed.reset();

  EXPECT_FALSE(IsApplicationClosing());
  std::thread setter([] {
    SetApplicationClosing();
    SetApplicationClosing();
  });
  const std::thread::id setterId = setter.get_id();
  setter.join();
  EXPECT_TRUE(IsApplicationClosing());
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(calledOn, setterId);
  EXPECT_EQ(removedCalls, 0);
}

}  // namespace
}  // namespace vorla

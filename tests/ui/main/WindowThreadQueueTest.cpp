#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <memory>
#include <thread>
#include <vector>

#include "ui/main/WindowThreadQueue.h"

namespace vorla {
namespace {

TEST(WindowThreadQueue, RunsWorkersCallsOnTheWindowThreadInOrder) {
  QObject window;
  WindowThreadQueue queue(window);
  std::vector<int> ran;
  std::vector<bool> onWindowThread;
  std::thread worker([&] {
    for (int i = 0; i < 3; ++i) {
      queue.Post([&, i] {
        ran.push_back(i);
        onWindowThread.push_back(QThread::currentThread() == window.thread());
      });
    }
  });
  worker.join();
  EXPECT_TRUE(ran.empty());  // nothing runs before the window thread gets to it
  QCoreApplication::processEvents();
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(onWindowThread, (std::vector<bool>{true, true, true}));
}

TEST(WindowThreadQueue, NothingRunsOnceTheWindowHasGone) {
  int ran = 0;
  {
    auto window = std::make_unique<QObject>();
    auto queue = std::make_shared<WindowThreadQueue>(*window);
    queue->Post([&] { ++ran; });  // pending while the window goes
    queue->Close();
    window.reset();
    std::thread([&] { queue->Post([&] { ++ran; }); }).join();
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(ran, 0);
}

}  // namespace
}  // namespace vorla

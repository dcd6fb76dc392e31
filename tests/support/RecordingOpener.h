#pragma once

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

#include "common/Opener.h"

namespace vorla::test {

// Records what is opened instead of opening it. A worker may open: `count` tells another
// thread how many entries of `opened` it may read.
class RecordingOpener final : public Opener {
 public:
  void Open(std::string_view target) override {
    opened.emplace_back(target);
    count.fetch_add(1, std::memory_order_release);
  }
  std::vector<std::string> opened;
  std::atomic<int> count{0};
};

}  // namespace vorla::test

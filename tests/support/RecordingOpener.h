#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Opener.h"

namespace vorla::test {

// Records what is opened instead of opening it.
class RecordingOpener final : public Opener {
 public:
  void Open(std::string_view target) override { opened.emplace_back(target); }
  std::vector<std::string> opened;
};

}  // namespace vorla::test

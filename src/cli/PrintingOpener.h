#pragma once

#include <iostream>

#include "common/Opener.h"

namespace vorla::cli {

// The command line's opener: it prints the address or the file for the user to open.
class PrintingOpener final : public Opener {
 public:
  void Open(std::string_view target) override { std::cout << target << '\n' << std::flush; }
};

}  // namespace vorla::cli

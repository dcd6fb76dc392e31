#include "PeakMemory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace vorla::bench {

std::size_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("VmHWM:")) return std::stoul(line.substr(6)) * 1024;
  }
  return 0;
}

void ResetPeakResident() {
  // Memory freed earlier goes back to the system first, so the new peak starts from what the
  // program holds.
  malloc_trim(0);
  // 5 resets the peak resident size to the present one.
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace vorla::bench

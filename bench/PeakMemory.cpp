#include "PeakMemory.h"

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
  // 5 resets the peak resident size to the present one.
  std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace vorla::bench

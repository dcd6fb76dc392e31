#pragma once

#include <cstddef>

namespace vorla::bench {

// The peak resident memory of this process since the last reset, in bytes (Linux: VmHWM).
std::size_t PeakResidentBytes();
// Starts a new peak from the memory resident now.
void ResetPeakResident();

}  // namespace vorla::bench

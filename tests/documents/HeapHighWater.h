#pragma once

#include <cstddef>

namespace vorla::test {

// The heap of this program as its replaced operator new and delete count it: the bytes
// allocated now and the most allocated at once since the last reset.
std::size_t HeapInUse();
std::size_t HeapHighWater();
// Starts a new high-water mark from the bytes in use now.
void ResetHeapHighWater();

}  // namespace vorla::test

#include "HeapHighWater.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace vorla::test {

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> highWater{0};

void* Allocate(std::size_t size, std::size_t alignment) {
  void* block = alignment <= alignof(std::max_align_t)
                    ? std::malloc(size == 0 ? 1 : size)
                    : std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
  if (!block) throw std::bad_alloc();
  const std::size_t now = inUse += malloc_usable_size(block);
  for (std::size_t high = highWater; now > high && !highWater.compare_exchange_weak(high, now);) {
  }
  return block;
}

void Free(void* block) {
  if (!block) return;
  inUse -= malloc_usable_size(block);
  std::free(block);
}

}  // namespace

std::size_t HeapInUse() {
  return inUse;
}

std::size_t HeapHighWater() {
  return highWater;
}

void ResetHeapHighWater() {
  highWater = inUse.load();
}

}  // namespace vorla::test

using vorla::test::Allocate;
using vorla::test::Free;

void* operator new(std::size_t size) {
  return Allocate(size, 0);
}
void* operator new[](std::size_t size) {
  return Allocate(size, 0);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
  return Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
  return Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* block) noexcept {
  Free(block);
}
void operator delete[](void* block) noexcept {
  Free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  Free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  Free(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
  Free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
  Free(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
  Free(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
  Free(block);
}

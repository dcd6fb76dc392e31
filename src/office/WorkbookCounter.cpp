#include "office/WorkbookCounter.h"

#include <mutex>

namespace vorla::workbook_counter {

namespace {

constexpr int kFirst = 1;
constexpr int kLast = 2'000'000'000;

struct Counter {
  std::mutex mutex;
  int next = kFirst;
  bool changed = false;
};

Counter& TheCounter() {
  static Counter counter;
  return counter;
}

}  // namespace

void Load(const Settings& settings) {
  const int stored = settings.ReadInteger(kSettingsValue, kFirst);
  Counter& counter = TheCounter();
  const std::lock_guard lock(counter.mutex);
  counter.next = stored >= kFirst && stored <= kLast ? stored : kFirst;
  counter.changed = false;
}

void Save(Settings& settings) {
  Counter& counter = TheCounter();
  const std::lock_guard lock(counter.mutex);
  if (!counter.changed) return;
  settings.WriteInteger(kSettingsValue, counter.next);
  counter.changed = false;
}

int Next() {
  Counter& counter = TheCounter();
  const std::lock_guard lock(counter.mutex);
  const int number = counter.next;
  counter.next = number >= kLast ? kFirst : number + 1;
  counter.changed = true;
  return number;
}

}  // namespace vorla::workbook_counter

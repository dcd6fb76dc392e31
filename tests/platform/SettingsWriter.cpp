// Writes count values "<prefix><i>" = "value <i>" into the settings store of VORLA_HOME, for
// tests of writers in several processes. Exits 1 when a write fails.
#include <cstdlib>
#include <string>

#include "config/Environment.h"
#include "platform/QtSettingsStore.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string prefix = argv[1];
  const int count = std::atoi(argv[2]);
  vorla::QtSettingsStore store(vorla::Environment::FromProcess());
  for (int i = 0; i < count; ++i) {
    if (!store.WriteValue(prefix + std::to_string(i), "value " + std::to_string(i))) return 1;
  }
  return 0;
}

#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "config/ConfigFixture.h"
#include "config/MemorySettingsStore.h"
#include "translation/TranslatorState.h"

namespace vorla::test {

// A translator state over a settings store in memory that starts with the given values.
struct StateFixture {
  explicit StateFixture(
      std::initializer_list<std::pair<std::string_view, std::string_view>> stored = {}) {
    for (const auto& [name, value] : stored)
      store->WriteValue(name, value);
    config = MakeHomeConfig(store);
    state = std::make_unique<TranslatorState>(config, 1);
  }

  std::string Stored(std::string_view name) const { return store->ReadValue(name).value_or("-"); }

  std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
  RefPtr<Config> config;
  std::unique_ptr<TranslatorState> state;
};

}  // namespace vorla::test

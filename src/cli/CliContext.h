#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <string_view>

#include "common/RefPtr.h"
#include "common/UiLanguage.h"
#include "config/Config.h"
#include "platform/QtSettingsStore.h"

namespace vorla::cli {

// The code of a UI language on the command line ("en", "fi").
constexpr std::string_view UiLanguageCode(UiLanguage language) {
  return language == UiLanguage::English ? "en" : "fi";
}

// What every verb works with: the global options and the process-wide objects, which are
// built from the user's settings and the environment when a verb first asks for them (so
// that --help and parse errors touch nothing).
class CliContext {
 public:
  // Options that every verb takes: --ui.
  void AddGlobalOptions(CLI::App& app);

  Config& config();
  const QtSettingsStore& settingsStore();

 private:
  std::string uiLanguageCode_;
  std::shared_ptr<QtSettingsStore> store_;
  RefPtr<Config> config_;
};

}  // namespace vorla::cli

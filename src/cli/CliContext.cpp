#include "cli/CliContext.h"

#include "platform/QtStandardFolders.h"

namespace vorla::cli {

void CliContext::AddGlobalOptions(CLI::App& app) {
  app.add_option("--ui", uiLanguageCode_,
                 "User-interface language for this run (not stored): en or fi")
      ->check(CLI::IsMember({std::string(UiLanguageCode(UiLanguage::English)),
                             std::string(UiLanguageCode(UiLanguage::Finnish))}));
}

const QtSettingsStore& CliContext::settingsStore() {
  if (!store_) store_ = std::make_shared<QtSettingsStore>(Environment::FromProcess());
  return *store_;
}

Config& CliContext::config() {
  if (config_) return *config_;
  settingsStore();
  config_ = MakeRef<Config>(store_, QtStandardFolders(), Environment::FromProcess());
  if (!uiLanguageCode_.empty()) {
    config_->SetUiLanguage(uiLanguageCode_ == UiLanguageCode(UiLanguage::English)
                               ? UiLanguage::English
                               : UiLanguage::Finnish);
  }
  return *config_;
}

}  // namespace vorla::cli

#include "cli/CliContext.h"

#include "config/SessionCounter.h"
#include "office/WorkbookCounter.h"
#include "platform/CurlHttpConnFactory.h"
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
  sessionNumber_ = CountProgramStart(config_->settings());
  workbook_counter::Load(config_->settings());
  return *config_;
}

CliContext::~CliContext() {
  if (config_) workbook_counter::Save(config_->settings());
}

const std::shared_ptr<HttpConnFactory>& CliContext::connections() {
  if (!connections_)
    connections_ = std::make_shared<CurlHttpConnFactory>(RefPtr<Config>(&config()));
  return connections_;
}

CWindowsTranslator& CliContext::translator() {
  if (translator_) return *translator_;
  const RefPtr<Config> shared(&config());
  dictionaries_ = std::make_shared<VocabularySets>(shared);
  translator_ = MakeRef<CWindowsTranslator>(shared, sessionNumber_);
  hooks_.connections = connections();
  hooks_.prompt = std::make_shared<TerminalLoginPrompt>(TerminalLoginPrompt::Options{}, ui());
  hooks_.statusBar = statusLine_;
  hooks_.observer = translator_.get();
  hooks_.lexicons = dictionaries_;
  translator_->State().SetLoginHooks(hooks_);
  return *translator_;
}

CWindowsTranslator::Hooks CliContext::TranslatorHooks() {
  CWindowsTranslator::Hooks hooks;
  hooks.connections = connections();
  hooks.dictionaries = dictionaries();
  return hooks;
}

const std::shared_ptr<VocabularySets>& CliContext::dictionaries() {
  translator();
  return dictionaries_;
}

void CliContext::UseLoginPrompt(TerminalLoginPrompt::Options options) {
  TranslatorState& translatorState = state();
  hooks_.prompt = std::make_shared<TerminalLoginPrompt>(std::move(options), ui());
  translatorState.SetLoginHooks(hooks_);
}

}  // namespace vorla::cli

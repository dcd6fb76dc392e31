#pragma once

#include <CLI/CLI.hpp>
#include <memory>
#include <string>
#include <string_view>

#include "cli/CliStatusLine.h"
#include "cli/TerminalLoginPrompt.h"
#include "common/RefPtr.h"
#include "common/UiLanguage.h"
#include "config/Config.h"
#include "dictionaries/VocabularySets.h"
#include "platform/QtSettingsStore.h"
#include "service/HttpConnFactory.h"
#include "translation/CWindowsTranslator.h"

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
  CliContext() = default;
  // Writes back what the run changed of the process-wide counters (the workbook conversions).
  ~CliContext();
  CliContext(const CliContext&) = delete;
  CliContext& operator=(const CliContext&) = delete;

  // Options that every verb takes: --ui.
  void AddGlobalOptions(CLI::App& app);

  // Building the configuration counts this start of the program (the session number).
  Config& config();
  const QtSettingsStore& settingsStore();
  // The translator, with its state ready to log in: libcurl connections, the terminal
  // prompt, the status line on the standard error and the dictionary sets. The verbs that
  // translate give it their source and display.
  CWindowsTranslator& translator();
  TranslatorState& state() { return translator().State(); }
  // The hooks every verb that translates starts from: the connections and the dictionary
  // sets, whose active dictionaries every job carries.
  CWindowsTranslator::Hooks TranslatorHooks();
  // The dictionary sets, with the lists of the last login (or the stored ones).
  const std::shared_ptr<VocabularySets>& dictionaries();
  const std::shared_ptr<CliStatusLine>& statusLine() { return statusLine_; }
  // The prompt the next logins ask.
  void UseLoginPrompt(TerminalLoginPrompt::Options options);
  const std::shared_ptr<HttpConnFactory>& connections();
  UiLanguage ui() { return config().GetUiLanguage(); }

  // What the program ends with: 0 after success, else the verb's result code.
  int ExitStatus() const { return exitStatus_; }
  void SetExitStatus(int status) { exitStatus_ = status; }

 private:
  std::string uiLanguageCode_;
  std::shared_ptr<QtSettingsStore> store_;
  RefPtr<Config> config_;
  int sessionNumber_ = 0;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<VocabularySets> dictionaries_;
  std::shared_ptr<CliStatusLine> statusLine_ = std::make_shared<CliStatusLine>();
  RefPtr<CWindowsTranslator> translator_;
  TranslatorState::LoginHooks hooks_;
  int exitStatus_ = 0;
};

}  // namespace vorla::cli

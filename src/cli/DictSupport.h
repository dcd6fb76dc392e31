#pragma once

#include <memory>
#include <optional>
#include <string>

#include "cli/CliContext.h"
#include "dictionaries/UserVocabulary.h"
#include "translation/ActiveDictionaryView.h"

namespace vorla::cli {

// What every `vorla dict` verb takes: --direction en-fi|fi-en.
struct DictOptions {
  std::string direction;  // empty: the direction of the current pair
};

void AddDirectionOption(CLI::App& command, DictOptions& options);

// The exit status of a refusal the command line makes itself.
inline constexpr int kDictRefused = 1;
// The exit status of a dictionary error code.
constexpr int DictExitStatus(int code) {
  return code < 0 ? -code : code;
}

// Where a dictionary verb works: logged in (so that the lists are the service's), the
// direction chosen, its set. Each verb builds it first and stops with its status when the
// login fails.
class DictSession {
 public:
  DictSession(CliContext& context, const DictOptions& options);

  // 0 once logged in, else the login's result (already reported).
  int LogIn();
  DictionaryDirection direction() const { return direction_; }
  VocabularySet& set();
  UiLanguage ui() { return context_.ui(); }

  // A dictionary of the direction named so in its progress texts, its failures reported on
  // the standard error and its transfers shown on the status line. A listed one must be a
  // user dictionary of the set (reported otherwise); `Open` only, nothing loaded. A new one
  // is empty and unnamed.
  enum class Kind { Listed, New };
  std::unique_ptr<UserVocabulary> Dictionary(std::string_view utf8Name, Kind kind);
  // The same, loaded: nothing when the name is unknown or the load failed (reported), with
  // the exit status in status.
  std::unique_ptr<UserVocabulary> Loaded(std::string_view utf8Name, int& status);

 private:
  CliContext& context_;
  DictionaryDirection direction_;
};

// `vorla dict add` and `vorla dict remove-entry`.
void AddDictEntryCommands(CLI::App& dict, CliContext& context,
                          const std::shared_ptr<DictOptions>& options);

// `vorla dict export` and `vorla dict import`.
void AddDictFileCommands(CLI::App& dict, CliContext& context,
                         const std::shared_ptr<DictOptions>& options);

// Prints a text on the standard error, its CR LF line breaks as line feeds.
void PrintError(std::string_view text);

}  // namespace vorla::cli

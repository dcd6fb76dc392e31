#pragma once

#include <optional>
#include <string>

#include "common/UiLanguage.h"
#include "translation/LoginPrompt.h"

namespace vorla::cli {

// The login prompt of the command line: the heading and the questions on the terminal,
// the password without echo or from the standard input. Each answer may be given up front.
class TerminalLoginPrompt final : public LoginPrompt {
 public:
  struct Options {
    std::optional<std::string> userName;  // UTF-8, as given on the command line
    bool passwordFromStandardInput = false;
    bool forget = false;  // log in without remembering the name and the password
  };

  TerminalLoginPrompt(Options options, UiLanguage language)
      : options_(std::move(options)), language_(language) {}

  // An empty answer keeps what the field holds: the stored name, or the placeholder of a
  // stored password. Without a terminal those are taken as they are when there are any.
  bool Ask(LoginDialogParameters& parameters) override;

 private:
  Options options_;
  UiLanguage language_;
};

}  // namespace vorla::cli

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorla::cli {

// Asks the user on the controlling terminal (not on the standard streams, which may be
// pipes): shows the prompt and reads one line, without echo when asked. Nothing when there
// is no terminal or the input ends.
std::optional<std::string> AskTerminal(std::string_view prompt, bool echo);

// One line of the standard input without its line end; nothing at its end.
std::optional<std::string> ReadStandardInputLine();

}  // namespace vorla::cli

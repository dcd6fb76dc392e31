#pragma once

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"

namespace vorla::cli {

// Each verb adds its subcommand to the program and runs against the shared context.
void AddAccountCommand(CLI::App& app, CliContext& context);
void AddDictCommand(CLI::App& app, CliContext& context);
void AddInfoCommand(CLI::App& app, CliContext& context);
void AddLanguagesCommand(CLI::App& app, CliContext& context);
void AddLinkCommand(CLI::App& app, CliContext& context);
void AddLoginCommand(CLI::App& app, CliContext& context);
void AddLogoutCommand(CLI::App& app, CliContext& context);
void AddPairCommand(CLI::App& app, CliContext& context);
void AddPriceCommand(CLI::App& app, CliContext& context);
void AddTranslateCommand(CLI::App& app, CliContext& context);
void AddTranslateFileCommand(CLI::App& app, CliContext& context);
void AddTranslateUrlCommand(CLI::App& app, CliContext& context);

}  // namespace vorla::cli

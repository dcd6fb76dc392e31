#include "cli/Commands.h"

namespace vorla::cli {

// The session lives only as long as one command, so logging out means forgetting the
// remembered password and the account values.
void AddLogoutCommand(CLI::App& app, CliContext& context) {
  app.add_subcommand("logout", "Forget the remembered password and the account values")
      ->callback([&context] { context.state().Logout(); });
}

}  // namespace vorla::cli

// vorla: Vorla Tool on the command line. Each verb is a subcommand (see Commands.h).
#include <exception>
#include <iostream>

#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "platform/CurlGlobal.h"
#include "service/ServiceProcessState.h"

int main(int argc, char** argv) {
  const vorla::CurlGlobal curl;
  const vorla::ServiceProcessState service;
  CLI::App app("Vorla Tool on the command line", "vorla");
  app.fallthrough();  // global options may also follow the verb
  app.require_subcommand(1);

  vorla::cli::CliContext context;
  context.AddGlobalOptions(app);
  vorla::cli::AddAccountCommand(app, context);
  vorla::cli::AddDictCommand(app, context);
  vorla::cli::AddInfoCommand(app, context);
  vorla::cli::AddLanguagesCommand(app, context);
  vorla::cli::AddLinkCommand(app, context);
  vorla::cli::AddLoginCommand(app, context);
  vorla::cli::AddLogoutCommand(app, context);
  vorla::cli::AddPairCommand(app, context);
  vorla::cli::AddPriceCommand(app, context);
  vorla::cli::AddTranslateCommand(app, context);
  vorla::cli::AddTranslateFileCommand(app, context);
  vorla::cli::AddTranslateUrlCommand(app, context);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    std::cerr << "vorla: " << error.what() << '\n';
    return 1;
  }
  return context.ExitStatus();
}

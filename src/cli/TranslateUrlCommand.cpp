#include <iostream>
#include <memory>
#include <string>

#include "cli/CliJobDisplay.h"
#include "cli/Commands.h"
#include "cli/PrintingOpener.h"
#include "cli/TerminalQuestions.h"
#include "common/Windows1252.h"
#include "translation/WebStartFailure.h"

namespace vorla::cli {

namespace {

// A web job's status on the standard error, as every job's; the end needs nothing more.
class CliWebProgress final : public UnknownImpl<IWebDialogSink> {
 public:
  explicit CliWebProgress(RefPtr<CliProgress> progress) : progress_(std::move(progress)) {}

  void ShowStatus(const JobIdentity& job, std::string_view text, ProgressBar bar,
                  int percent) override {
    progress_->ShowStatus(job, text, bar, percent);
  }
  void ShowInTargetPane(const JobIdentity&, std::string_view) override {}
  void ShowFailure(const JobIdentity& job, std::string_view message) override {
    progress_->ShowFailure(job, message);
  }
  void JobEnded(const JobIdentity&) override {}

 private:
  RefPtr<CliProgress> progress_;
};

int RunTranslateUrl(CliContext& context, const std::string& address, bool yes) {
  CWindowsTranslator& translator = context.translator();
  const UiLanguage language = context.ui();
  CWindowsTranslator::Hooks hooks = context.TranslatorHooks();
  // The browser's link of a web page, or the result file of a document, on the standard
  // output.
  hooks.opener = std::make_shared<PrintingOpener>();
  hooks.priceConfirmation = std::make_shared<TerminalPriceConfirmation>(yes, language);
  hooks.languageNotice = std::make_shared<TerminalLanguageNotice>(yes, language);
  translator.SetHooks(hooks);

  const auto progress = MakeRef<CliWebProgress>(MakeRef<CliProgress>(context.statusLine()));
  const CWindowsTranslator::WebJobStart started =
      translator.StartWebTranslation(Utf8ToCp1252(address), progress);
  if (!started.job) {
    std::cerr << WebStartFailureText(started.result, language) << '\n';
    return started.result;
  }
  const int result = started.job->WaitForResult();
  translator.Shutdown();
  return result;
}

}  // namespace

void AddTranslateUrlCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "translate-url",
      "Have the service translate a web page or an online document: prints the address of "
      "the translated page, or the file the translated document was written to");
  auto address = std::make_shared<std::string>();
  auto yes = std::make_shared<bool>(false);
  command->add_option("address", *address, "ADDRESS, as in the web dialog")->required();
  command->add_flag("--yes", *yes, "Answer \"Translate\" to the questions before a translation");
  command->callback([&context, address, yes] {
    context.SetExitStatus(RunTranslateUrl(context, *address, *yes));
  });
}

}  // namespace vorla::cli

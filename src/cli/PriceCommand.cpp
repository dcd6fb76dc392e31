#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/CliJobDisplay.h"
#include "cli/CliSourcePane.h"
#include "cli/Commands.h"
#include "cli/TranslationInput.h"
#include "translation/BalanceRule.h"
#include "translation/RequestLength.h"

namespace vorla::cli {

namespace {

// Asks the price of the text as `vorla translate` would send it, and prints the lines of
// the "Translation Info" dialog.
int RunPrice(CliContext& context, const std::optional<std::string>& text) {
  CWindowsTranslator& translator = context.translator();
  const UiLanguage language = context.ui();
  CWindowsTranslator::Hooks hooks = context.TranslatorHooks();
  hooks.sourcePane =
      std::make_shared<CliSourcePane>(InputDocument(ReadTranslationInput(text), false));
  hooks.mainWindow = {MakeRef<CliProgress>(context.statusLine()), nullptr};
  translator.SetHooks(hooks);

  TranslationOrder order;
  order.format = kFormatTxt;
  order.sentenceAlignment = false;
  const RefPtr<WindowsTranslationInstance> job = translator.PrepareJob(order);
  if (!job) return 0;  // nothing to price
  int status = translator.EnsureLoggedIn(*job);
  if (status == 0) {
    MarkRequestLength(job->Job());
    job->SetStage(JobStage::PriceQuery);
    job->Client().SetTranslationObserver(job);
    PriceRecord record;
    status = job->Client().GetTranslationPrice(job->Job(), &record, 1);
    job->Client().SetTranslationObserver(nullptr);
    if (status == 0) {
      const TranslatorState& state = translator.State();
      TranslationInfo info;
      info.words = record.words;
      info.price = record.price;
      info.balance = state.GetQuotaLeft();
      info.balanceSuffices = BalanceSuffices(state.GetAccountType(), info.balance, record);
      const TranslationInfoLines lines = FormatTranslationInfo(info, language);
      std::cout << lines.length << '\n' << lines.price << '\n' << lines.balance << '\n';
      return 0;
    }
  }
  job->Job().error = status;
  job->ShowFailure(status);
  return status;
}

}  // namespace

void AddPriceCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "price",
      "Show the length, the price and the account balance of translating a text; the text is "
      "the argument, or the standard input for - or no argument");
  auto text = std::make_shared<std::optional<std::string>>();
  command->add_option("text", *text, "TEXT | -");
  command->callback([&context, text] { context.SetExitStatus(RunPrice(context, *text)); });
}

}  // namespace vorla::cli

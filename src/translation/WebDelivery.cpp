// CWindowsTranslator::DeliverWebResult: a stored web page opens in the browser, an online
// document as a result file.
#include "service/RedirectLinks.h"
#include "translation/CWindowsTranslator.h"
#include "translation/JobTexts.h"
#include "translation/TranslationFlags.h"
#include "translation/WebJobTexts.h"

namespace vorla {

void CWindowsTranslator::DeliverWebResult(WindowsTranslationInstance& job) {
  const TranslationJob& request = job.Job();
  const UiLanguage language = config_->GetUiLanguage();
  const auto dialog = vorla::QueryInterface<IWebDialogSink>(job.Display().progress.get());
  if (dialog && job.MayShow()) dialog->JobEnded(job.Identity());
  if (!(request.trflagsext & kTrExtNoResultBody)) {
    if (!OpenResultFile(job)) {
      job.SetResultText(std::string(kResultFileFailed.In(language)));
      job.ShowFailure(0);
      return;
    }
    job.ShowStatus(kOpenedInViewer.In(language), ProgressBar::Hide);
    return;
  }
  job.ShowStatus(kWebPageOpenedInBrowser.In(language), ProgressBar::Hide);
  const std::optional<std::string> link =
      StoredResultLink(config_->ServiceUrl(), request.pid, static_cast<int>(language),
                       request.Result(), request.tgtformat, job.Flags().secureSource);
  const std::shared_ptr<Opener> opener = GetHooks().opener;
  if (link && opener && job.MayShow()) opener->Open(*link);
}

}  // namespace vorla

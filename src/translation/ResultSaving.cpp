#include "translation/ResultSaving.h"

#include <filesystem>

#include "documents/files/SaveNames.h"
#include "translation/PdfHtmlResult.h"
#include "translation/TranslationJob.h"

namespace vorla {

SaveOutcome SaveResultAs(const TranslationJob& job, std::string_view chosenPath,
                         FileCommandHost& host, UiLanguage language) {
  if (job.Result().empty()) return SaveOutcome::Refused;
  const std::string path = CompleteResultSavePath(chosenPath, job.tgtformat);
  if (!ConfirmCompletedPath(chosenPath, path, host, language)) return SaveOutcome::Declined;
  if (!IsPdfHtmlResult(job)) return WriteChosenFile(path, job.Result(), host, language);
  const std::string fileName = std::filesystem::path(path).filename().string();
  return WriteChosenFile(path, PdfHtmlPageForSaving(job, fileName), host, language);
}

}  // namespace vorla

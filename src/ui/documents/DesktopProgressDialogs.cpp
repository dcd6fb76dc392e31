#include "ui/documents/DesktopProgressDialogs.h"

#include <QApplication>
#include <filesystem>
#include <memory>

#include "common/ApplicationClosing.h"
#include "documents/files/FileMessages.h"
#include "documents/files/SaveNames.h"
#include "translation/ResultSaving.h"
#include "translation/WindowsTranslationInstance.h"
#include "ui/documents/DocumentFileDialogs.h"
#include "ui/documents/ProgressDialog.h"
#include "ui/documents/ProgressDialogDisplay.h"
#include "ui/documents/QtFileCommandHost.h"

namespace vorla {

namespace {

std::string WithoutFolder(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

// The job the dialog holds until it is cancelled or closed.
struct HeldJob {
  RefPtr<WindowsTranslationInstance> job;
};

// "Save translation...": the save dialog with the result's one filter, again after a save
// that failed or that the user declined; whether the result was saved.
bool SaveResult(ProgressDialog& dialog, WindowsTranslationInstance& job, UiLanguage language) {
  const TranslationJob& request = job.Job();
  const std::string suggested =
      SuggestedResultName(WithoutFolder(job.FileName()), request.tgtformat, language);
  const std::vector<FileFilter> filters = ResultFilters(request.tgtformat, language);
  QtFileCommandHost host(&dialog, language, [&dialog](std::string_view text) {
    dialog.ShowStatus(text, ProgressBar::Hide, 0);
  });
  for (;;) {
    const std::optional<ChosenFile> chosen = ChooseFileToSave(&dialog, filters, 1, suggested);
    if (!chosen) return false;
    if (!IsApplicationClosing()) host.ShowStatus(kSavingFileShort.In(language));
    const SaveOutcome outcome = SaveResultAs(request, chosen->path, host, language);
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Refused) return true;
  }
}

}  // namespace

JobDisplay DesktopProgressDialogs::CreateProgressDialog(
    const RefPtr<WindowsTranslationInstance>& job) {
  const UiLanguage language = config_->GetUiLanguage();
  auto held = std::make_shared<HeldJob>(HeldJob{job});
  auto* dialog = new ProgressDialog(mainWindow_, language, WithoutFolder(job->FileName()));
  dialog->SetActions({.cancelJob =
                          [held] {
                            if (held->job) held->job->Cancel();
                            held->job = nullptr;
                          },
                      .saveResultAs =
                          [held, dialog, language] {
                            return held->job && SaveResult(*dialog, *held->job, language);
                          }});
  dialog->show();
  return MakeProgressDialogDisplay(dialog);
}

void DesktopProgressDialogs::CloseAll() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<ProgressDialog*>(window)) dialog->reject();
  }
}

}  // namespace vorla

#include "ui/documents/PaneSaveDialog.h"

#include <filesystem>

#include "common/CodePages.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/FileMessages.h"
#include "documents/files/PaneSaving.h"
#include "ui/documents/DocumentFileDialogs.h"
#include "ui/documents/OperWaitDlg.h"
#include "ui/panes/TextPane.h"

namespace vorla {

namespace {

int gRememberedSaveFilter = kFirstPaneSaveFilter;

// A pane as the core writes it to a file.
class TextPaneForSaving final : public SavedPane {
 public:
  TextPaneForSaving(QWidget* owner, const TextPane& pane, WordConverter* word, UiLanguage language)
      : owner_(owner), pane_(pane), word_(word), language_(language) {}

  void SetPath(std::string path) { path_ = std::move(path); }

  std::string PlainRtf() override {
    return pane_.StreamOutRtf(kCodePageWindows1252, PaneRange::Whole, false);
  }
  std::string PlainText() override { return pane_.StreamOutText(kCodePageUtf8, PaneRange::Whole); }
  std::optional<std::string> ConvertToWord(std::string_view rtf, int format) override {
    if (!word_) return std::nullopt;
    std::optional<std::string> document;
    const std::string name = std::filesystem::path(path_).filename().string();
    ShowOperWait(owner_, kSavingFileTitle.In(language_),
                 FormatMessage(kSavingFile, language_, name),
                 [this, rtf, format, &document] { document = word_->ConvertToWord(rtf, format); });
    return document;
  }

 private:
  QWidget* owner_;
  const TextPane& pane_;
  WordConverter* word_;
  UiLanguage language_;
  std::string path_;
};

}  // namespace

void SavePaneWithDialog(QWidget* owner, const TextPane& pane, WordConverter* converter,
                        FileCommandHost& host, UiLanguage language) {
  const bool wordAvailable = converter && converter->IsAvailable();
  const WordSupport word{.available = wordAvailable, .canSave = wordAvailable};
  TextPaneForSaving saved(owner, pane, wordAvailable ? converter : nullptr, language);
  for (;;) {
    const std::optional<ChosenFile> chosen = ChooseFileToSave(
        owner, DialogFilters(FileDialogKind::SavePane, word, language), gRememberedSaveFilter, {});
    if (!chosen) return;
    gRememberedSaveFilter = chosen->filterIndex;
    saved.SetPath(chosen->path);
    const SaveOutcome outcome =
        SavePaneToFile(chosen->path, gRememberedSaveFilter, word, saved, host, language);
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Refused) return;
  }
}

}  // namespace vorla

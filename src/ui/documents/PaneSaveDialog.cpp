#include "ui/documents/PaneSaveDialog.h"

#include "common/CodePages.h"
#include "documents/files/PaneSaving.h"
#include "ui/documents/DocumentFileDialogs.h"
#include "ui/panes/TextPane.h"

namespace vorla {

namespace {

// The save dialog starts with "RTF" in a run's first save.
int gRememberedSaveFilter = 2;

// A pane as the core writes it to a file.
class TextPaneForSaving final : public SavedPane {
 public:
  explicit TextPaneForSaving(const TextPane& pane) : pane_(pane) {}

  std::string PlainRtf() override {
    return pane_.StreamOutRtf(kCodePageWindows1252, PaneRange::Whole, false);
  }
  std::string PlainText() override { return pane_.StreamOutText(kCodePageUtf8, PaneRange::Whole); }
  // Without Word support no pane is saved as a Word document.
  std::optional<std::string> ConvertToWord(std::string_view, int) override { return std::nullopt; }

 private:
  const TextPane& pane_;
};

}  // namespace

void SavePaneWithDialog(QWidget* owner, const TextPane& pane, const WordSupport& word,
                        FileCommandHost& host, UiLanguage language) {
  TextPaneForSaving saved(pane);
  for (;;) {
    const std::optional<ChosenFile> chosen = ChooseFileToSave(
        owner, DialogFilters(FileDialogKind::SavePane, word, language), gRememberedSaveFilter, {});
    if (!chosen) return;
    gRememberedSaveFilter = chosen->filterIndex;
    const SaveOutcome outcome =
        SavePaneToFile(chosen->path, gRememberedSaveFilter, word, saved, host, language);
    if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::Refused) return;
  }
}

}  // namespace vorla

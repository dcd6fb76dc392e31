#include "documents/files/PaneSaving.h"

#include <filesystem>

#include "common/Bilingual.h"
#include "common/FileWriting.h"
#include "documents/files/FileMessages.h"
#include "documents/files/SaveNames.h"
#include "translation/DocumentFormat.h"

namespace vorla {

SaveOutcome WriteChosenFile(std::string_view path, std::string_view bytes, FileCommandHost& host,
                            UiLanguage language) {
  if (WriteFileReplacing(std::filesystem::path(path), bytes)) return SaveOutcome::Saved;
  host.ShowMessage(kSaveFailed.In(language));
  return SaveOutcome::Failed;
}

SaveOutcome SavePaneToFile(std::string_view chosenPath, int filterIndex, const WordSupport& word,
                           SavedPane& pane, FileCommandHost& host, UiLanguage language) {
  const std::string path = CompletePaneSavePath(chosenPath, filterIndex, word.canSave);
  if (!ConfirmCompletedPath(chosenPath, path, host, language)) return SaveOutcome::Declined;
  host.ShowStatus(FormatMessage(kSavingFile, language, path));
  const int type = FormatOfFileName(path);
  std::string bytes;
  switch (PaneSaveFormOf(type, word.canSave)) {
    case PaneSaveForm::Refused:
      host.ShowStatus({});
      host.ShowMessage(FormatMessage(kCannotSaveAs, language, ExtensionOfFormat(type)));
      return SaveOutcome::Refused;
    case PaneSaveForm::Rtf:
      bytes = pane.PlainRtf();
      break;
    case PaneSaveForm::Word: {
      std::string rtf = pane.PlainRtf();
      // The RTF itself is saved when the conversion fails.
      bytes = pane.ConvertToWord(rtf, type).value_or(std::move(rtf));
      break;
    }
    case PaneSaveForm::Text:
      bytes = pane.PlainText();
      break;
  }
  const SaveOutcome outcome = WriteChosenFile(path, bytes, host, language);
  host.ShowStatus({});
  return outcome;
}

}  // namespace vorla

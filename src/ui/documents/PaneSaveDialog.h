#pragma once

#include "common/UiLanguage.h"
#include "documents/files/FileCommandHost.h"
#include "documents/word/WordConverter.h"

class QWidget;

namespace vorla {

class TextPane;

// The filter (1-based) a run's first pane save starts with: "RTF".
inline constexpr int kFirstPaneSaveFilter = 2;

// Saves a pane under a name the user chooses ("Save translation...", "Save source text...",
// the result window's "Save as..."): the save dialog with the pane filters, again after a
// save that failed or that the user declined. The filter chosen last is kept for the run and
// shared by every window. With a Word converter that is available, the pane may be saved as a
// Word document too, converted under the please-wait dialog.
void SavePaneWithDialog(QWidget* owner, const TextPane& pane, WordConverter* word,
                        FileCommandHost& host, UiLanguage language);

}  // namespace vorla

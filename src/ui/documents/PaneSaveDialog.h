#pragma once

#include "common/UiLanguage.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/FileCommandHost.h"

class QWidget;

namespace vorla {

class TextPane;

// Saves a pane under a name the user chooses ("Save translation...", "Save source text...",
// the result window's "Save as..."): the save dialog with the pane filters, again after a
// save that failed or that the user declined. The filter chosen last is kept for the run and
// shared by every window.
void SavePaneWithDialog(QWidget* owner, const TextPane& pane, const WordSupport& word,
                        FileCommandHost& host, UiLanguage language);

}  // namespace vorla

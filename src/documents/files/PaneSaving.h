#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "documents/files/DocumentTypes.h"
#include "documents/files/FileCommandHost.h"

namespace vorla {

// A pane as it is written to a file. Called on the window thread.
class SavedPane {
 public:
  virtual ~SavedPane() = default;

  // RTF without pictures and objects.
  virtual std::string PlainRtf() = 0;
  // UTF-8 text with CR LF paragraph ends.
  virtual std::string PlainText() = 0;
  // The RTF turned into a .doc or .docx document (format 4 or 13); nothing when the
  // conversion failed. The window runs it under its please-wait dialog.
  virtual std::optional<std::string> ConvertToWord(std::string_view rtf, int format) = 0;
};

// How a save ended: Saved and Refused ("Cannot save as a .html file.") close the save
// dialog; Failed (the message said so) and Declined (the user kept the existing file) keep it
// open for another name.
enum class SaveOutcome { Saved, Refused, Failed, Declined };

// "Save translation..." and "Save source text..." once the save dialog confirmed a path with
// the filter (1-based): completes the extension, asks before a completed name replaces a
// file, writes the pane in the form of the final type and reports on the status line.
SaveOutcome SavePaneToFile(std::string_view chosenPath, int filterIndex, const WordSupport& word,
                           SavedPane& pane, FileCommandHost& host, UiLanguage language);

// Writes bytes to a file the user chose (through a temporary file); a failure is shown with
// "The target file may be in use by another application.".
SaveOutcome WriteChosenFile(std::string_view path, std::string_view bytes, FileCommandHost& host,
                            UiLanguage language);

}  // namespace vorla

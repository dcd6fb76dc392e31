#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Bilingual.h"

namespace vorla {

// Whether a file of this format (`FormatOfFileName`) can be sent to the service: 1 to 15.
bool IsTranslatableFormat(int format);

// What the client can do with Word documents itself, found out once per run by the office
// conversion.
struct WordSupport {
  bool available = false;  // .doc and .docx can be loaded into a pane
  bool canSave = false;    // a pane can be saved as .doc or .docx
};

// One row of the file dialogs' filters: its name in the UI language and its patterns
// ("*.html;*.htm").
struct FileFilter {
  std::string name;
  std::string pattern;
  // "HTML (*.html;*.htm)".
  std::string DisplayText() const;
};

enum class FileDialogKind { OpenIntoPane, TranslateFile, SavePane };

// The filters of a dialog, in the order shown; filter indexes are 1-based positions here.
std::vector<FileFilter> DialogFilters(FileDialogKind kind, const WordSupport& word,
                                      UiLanguage language);
// The one filter of a saved translation of this format; empty for a format outside 1 to 15.
std::vector<FileFilter> ResultFilters(int format, UiLanguage language);

}  // namespace vorla

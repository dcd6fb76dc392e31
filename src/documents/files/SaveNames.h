#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "documents/files/FileCommandHost.h"

namespace vorla {

// The name a saved translation is suggested under: "Report translation.html" for
// "Report.PDF" translated to HTML (" käännös" in Finnish); the source's own extension when
// it already is the target's. A name of 244 characters or more is suggested unchanged.
std::string SuggestedResultName(std::string_view sourceName, int targetFormat, UiLanguage language);

// A pane save's path completed by the chosen filter (1-based): ".txt" for "Text file", ".rtf"
// for "RTF", and with Word saving ".docx" and ".doc", unless the path already has that type.
std::string CompletePaneSavePath(std::string_view path, int filterIndex, bool canSaveWord);
// A saved translation's path with the target format's extension added when its type
// differs.
std::string CompleteResultSavePath(std::string_view path, int targetFormat);

// How a pane is written to a file of this type.
enum class PaneSaveForm { Text, Rtf, Word, Refused };
PaneSaveForm PaneSaveFormOf(int format, bool canSaveWord);

// After the save dialog confirmed `chosen`: when completion made another name of an existing
// file, asks before that file is replaced. Whether to go on.
bool ConfirmCompletedPath(std::string_view chosen, std::string_view completed,
                          FileCommandHost& host, UiLanguage language);

}  // namespace vorla

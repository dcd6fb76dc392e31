#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "documents/files/FileCommandHost.h"

namespace vorla {

// "Open file..." and drops load into a pane; "Translate file..." takes the content for a job.
enum class LoadMode { Open, Translate };

struct LoadedDocument {
  std::string path;  // UTF-8, as chosen
  int type = 0;      // the format of its extension; 0 for a file loaded as text
  std::string content;
};

// An RTF file larger than this is loaded into a pane under the please-wait dialog.
inline constexpr std::uintmax_t kRtfPleaseWaitSize = 10'000'000;

// The one loader behind "Open file...", "Translate file..." and drops, after the file was
// chosen: shows "Loading file '...' ..." in the status line, refuses what the mode cannot take
// (shortcuts, unsupported formats, too big, unreadable, empty) with its message, and reads
// the file. Nothing after a refusal.
std::optional<LoadedDocument> LoadDocumentFile(std::string_view path, LoadMode mode,
                                               FileCommandHost& host, UiLanguage language);

// What "Open file..." does with a loaded document of this type.
enum class PaneLoad { Rtf, Word, Text, OfferTranslation };
PaneLoad PaneLoadOf(int type, bool wordAvailable);

// The question before a document that no pane shows is translated instead ("PDF files
// cannot be displayed ... Do you want to translate the file now?").
std::string OfferTranslationQuestion(int type, UiLanguage language);
// The message when a Word document could not be converted for the pane.
std::string CannotDisplayMessage(UiLanguage language);

// The status line after loading: the source pane's length in characters for account types 3
// and 4 when the pane is not empty, else empty.
std::string SourceLengthStatus(int accountType, std::int64_t paneCharacters, UiLanguage language);

// A text file's bytes as a pane shows them: UTF-8 (a mark removed, UTF-16 converted,
// unmarked UTF-8 recognised) or Windows-1252 text converted to UTF-8.
struct PaneText {
  std::string utf8;
  // The file was 8-bit text: the pane applies its default character format again.
  bool fromCodePage = false;
};
PaneText PaneTextOf(std::string content);

// A text file's bytes as a job sends them, with the encoding index for `enc` and `tgtenc`:
// 1 for a marked or recognised UTF-8 (or converted UTF-16) file, 0 for undeclared 8-bit text
// (sent as Windows-1252).
struct TextFileSource {
  std::string bytes;
  int encoding = 0;
};
TextFileSource TextFileSourceOf(std::string content);

}  // namespace vorla

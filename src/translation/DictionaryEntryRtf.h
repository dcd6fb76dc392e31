#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace vorla {

// A dictionary-lookup answer ("#DICT;\n" and one line per meaning: "1. words (Noun,PL)")
// as RTF for the translation pane and the clipboard: numbers in bold when there are several
// meanings, the word class and the forms in grey italics. `fontName` is the panes' font
// ("TextEditFontName", Windows-1252; "Arial" when empty) and `fontSizeHalfPoints` its size
// (20 when not above 0). Nothing when the text is no dictionary answer.
std::optional<std::string> RenderDictionaryEntry(std::string_view resultText, UiLanguage language,
                                                 std::string_view fontName, int fontSizeHalfPoints);

}  // namespace vorla

#pragma once

#include <optional>
#include <string>

#include "common/Bilingual.h"
#include "common/UiLanguage.h"

namespace vorla {

struct TranslationJob;

inline constexpr BilingualText kTranslationFailedHeading{"Translation failed",
                                                         "Käännös epäonnistui"};

// The message of a failed job: a heading, " - " and the text of its result code (`error`).
// For code 6 the text names the largest file, from the maximum translation length.
std::string FailureMessage(const TranslationJob& job, int maxTranslationLength,
                           UiLanguage language);

// The notice that follows the failure message of a PDF job in a message box: for code 18
// (protected file) and code 27 (no text); nothing for other codes.
std::optional<BilingualText> PdfFailureNotice(int code);

}  // namespace vorla

#pragma once

#include <string_view>

#include "common/UiLanguage.h"
#include "documents/files/FileCommandHost.h"
#include "documents/files/PaneSaving.h"

namespace vorla {

struct TranslationJob;

// "Save translation..." of the progress dialog once its save dialog confirmed a path: the
// target format's extension is added when the path has another type (asking before that
// name replaces a file), and the result is written; an HTML page made from a PDF is written
// with its links to itself rewritten to the new name and without its picture tags. Suggest
// the name with `SuggestedResultName` and offer `ResultFilters`.
SaveOutcome SaveResultAs(const TranslationJob& job, std::string_view chosenPath,
                         FileCommandHost& host, UiLanguage language);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "TextTranslator.h"
#include "TranslationRequest.h"

namespace vorla::sim {

// The answer to a document job: a status (0, or 16 for a document that cannot be read), the
// translated document of the target format and, for a PDF translated into HTML, the package
// of its pictures.
struct DocumentAnswer {
  std::int32_t status = 0;
  std::string bytes{};
  std::optional<std::string> package{};
};

// Whether the simulator translates a source of this format as a document (HTML, XML, CSV,
// PDF and the Office formats; plain text and RTF have SourceDocument).
bool IsDocumentFormat(std::int32_t format);

// Translates the request's source document, always into a real document of the target
// format: markup in its text nodes, CSV in its cells, Office packages in their text parts
// (legacy binary ones through their OOXML twins), a PDF into a PDF, RTF or HTML page.
DocumentAnswer TranslateDocument(const TranslationRequest& request, const WordMode& mode);

}  // namespace vorla::sim

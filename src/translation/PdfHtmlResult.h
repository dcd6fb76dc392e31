#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vorla {

struct TranslationJob;

// Whether the job's result is an HTML page made from a PDF, with a picture package as its
// second part.
bool IsPdfHtmlResult(const TranslationJob& job);

// Writes the package's pictures into folder, in order, each under its own name; a picture
// whose name is not a plain file name (or is the page's) is skipped. The number written.
int WritePackagePictures(std::string_view package, const std::filesystem::path& folder,
                         std::string_view pageName);

// Writes the job's result to path (through a temporary file). An HTML page made from a PDF
// gets its pictures written beside it and its links to itself rewritten to path's file name.
bool WriteResultDocument(const TranslationJob& job, const std::filesystem::path& path);

// The page of a result as it is saved elsewhere under fileName: its links to itself
// rewritten to that name, and its picture tags removed (the pictures stay behind).
std::string PdfHtmlPageForSaving(const TranslationJob& job, std::string_view fileName);

}  // namespace vorla

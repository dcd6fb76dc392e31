#include "config/DocumentFiles.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace vorla {

namespace {

constexpr std::array<std::string_view, 18> kDocumentExtensions = {
    "rtf", "csv", "doc",  "ppt", "xls", "docx", "pptx", "xlsx", "odt",
    "odp", "ods", "html", "pdf", "png", "log",  "txt",  "xml",  "mp3"};

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  return std::ranges::equal(text, lower, [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

}  // namespace

bool IsDocumentFileName(std::string_view fileName) {
  // As the pattern "*.ext" matches: whatever follows the last dot, even in ".docx".
  const auto dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = fileName.substr(dot + 1);
  return std::ranges::any_of(kDocumentExtensions, [&](std::string_view known) {
    return EqualsIgnoringAsciiCase(extension, known);
  });
}

void DeleteDocumentFiles(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (!it->is_regular_file(ignored)) continue;
    if (!IsDocumentFileName(it->path().filename().string())) continue;
    std::filesystem::remove(it->path(), ignored);
  }
}

}  // namespace vorla

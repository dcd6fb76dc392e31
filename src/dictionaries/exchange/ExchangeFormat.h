#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vorla {

// The document format codes of the exchange files.
namespace exchange_format {
inline constexpr int kCsv = 6;
inline constexpr int kXml = 8;
inline constexpr int kXlsx = 15;
inline constexpr int kTmx = 100;
}  // namespace exchange_format

// The exchange format a file name's ending names (".xlsx", ".csv", ".xml", ".tmx", compared
// without regard to case), or nothing.
std::optional<int> ExchangeFormatOfPath(const std::filesystem::path& path);

// The name an imported file suggests: its file name before the first '.'.
std::string DefaultImportName(const std::filesystem::path& path);

}  // namespace vorla

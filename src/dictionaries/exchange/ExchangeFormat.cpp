#include "dictionaries/exchange/ExchangeFormat.h"

#include <utility>

#include "dictionaries/Words.h"

namespace vorla {

std::optional<int> ExchangeFormatOfPath(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  const std::pair<std::string_view, int> endings[] = {{".xlsx", exchange_format::kXlsx},
                                                      {".csv", exchange_format::kCsv},
                                                      {".xml", exchange_format::kXml},
                                                      {".tmx", exchange_format::kTmx}};
  for (const auto& [ending, format] : endings)
    if (EqualsNoCase(extension, ending)) return format;
  return std::nullopt;
}

std::string DefaultImportName(const std::filesystem::path& path) {
  std::string name = path.generic_string();
  if (const std::size_t slash = name.find_last_of("\\/"); slash != std::string::npos)
    name.erase(0, slash + 1);
  return name.substr(0, name.find('.'));
}

}  // namespace vorla

#include "dictionaries/exchange/CsvFileText.h"

#include "common/CodePages.h"
#include "common/Cp1252Import.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "documents/files/DocumentFileReading.h"

namespace vorla {

std::string CsvTextOfFileBytes(std::string bytes) {
  UnmarkedText unmarked = RemoveByteOrderMark(std::move(bytes));
  if (unmarked.utf8 || LooksLikeUtf8(unmarked.bytes))
    return ImportedTextToCp1252(unmarked.bytes, ImportedTextRole::Other);
  return std::move(unmarked.bytes);
}

CsvFileText ReadCsvFileText(const std::filesystem::path& path) {
  DocumentRead read = ReadDocumentFile(path);
  if (read.status != DocumentReadStatus::Read) return {exchange_error::kCannotOpen, {}};
  return {0, CsvTextOfFileBytes(std::move(read.bytes))};
}

}  // namespace vorla

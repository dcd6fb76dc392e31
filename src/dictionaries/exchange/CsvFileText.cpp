#include "dictionaries/exchange/CsvFileText.h"

#include "common/CodePages.h"
#include "common/ImportText.h"
#include "dictionaries/DictionaryErrors.h"
#include "documents/files/DocumentFileReading.h"

namespace vorla {

std::string CsvTextOfFileBytes(std::string bytes) {
  UnmarkedText unmarked = RemoveByteOrderMark(std::move(bytes));
  if (unmarked.utf8 || LooksLikeUtf8(unmarked.bytes)) return ImportUtf8Text(unmarked.bytes);
  return std::move(unmarked.bytes);
}

CsvFileText ReadCsvFileText(const std::filesystem::path& path) {
  DocumentRead read = ReadDocumentFile(path);
  if (read.status != DocumentReadStatus::Read) return {dict_error::kCannotRead, {}};
  return {0, CsvTextOfFileBytes(std::move(read.bytes))};
}

}  // namespace vorla

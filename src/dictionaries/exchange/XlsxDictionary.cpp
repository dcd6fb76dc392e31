#include "dictionaries/exchange/XlsxDictionary.h"

#include "dictionaries/exchange/CsvDictionaryReader.h"
#include "dictionaries/exchange/CsvDictionaryWriter.h"

namespace vorla {

namespace {
constexpr char kWorkbookSeparator = ';';
}  // namespace

int WriteXlsxDictionary(const Vocabulary& vocabulary, std::string& out, UiLanguage headerLanguage,
                        const WorkbookPlace& place) {
  std::string table;
  WriteCsvDictionary(vocabulary, table, headerLanguage, kWorkbookSeparator);
  return WriteWorkbook(table, out, place);
}

int ReadXlsxDictionary(Vocabulary& vocabulary, const std::filesystem::path& path, int flags,
                       std::uint32_t& notes, std::size_t maxEntries, std::size_t maxLength) {
  notes = 0;
  std::string table;
  if (const int result = ReadWorkbook(path, table, maxLength); result != 0) return result;
  return ReadCsvDictionary(vocabulary, table, flags, kWorkbookSeparator, notes, maxEntries);
}

}  // namespace vorla

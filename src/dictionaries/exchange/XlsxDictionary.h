#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/UiLanguage.h"
#include "dictionaries/Vocabulary.h"
#include "office/Workbook.h"

namespace vorla {

// A dictionary as a workbook: the table of WriteCsvDictionary with ';' between cells, one
// row a line. Appends the workbook's bytes; 0 or the error of WriteWorkbook.
int WriteXlsxDictionary(const Vocabulary& vocabulary, std::string& out, UiLanguage headerLanguage,
                        const WorkbookPlace& place);

// Reads the first sheet of a workbook as a table (ReadCsvDictionary with ';' and the flags);
// the workbook's own errors come first.
int ReadXlsxDictionary(Vocabulary& vocabulary, const std::filesystem::path& path, int flags,
                       std::uint32_t& notes, std::size_t maxEntries, std::size_t maxLength);

}  // namespace vorla

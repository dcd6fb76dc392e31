#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "common/UiLanguage.h"
#include "config/Config.h"
#include "dictionaries/UserVocabulary.h"

namespace vorla {

// Writes the dictionary to the file in an exchange format (6 CSV, 8 XML, 15 XLSX, 100 TMX)
// through a temporary file renamed over it: 0, or -1 (a format or kind it cannot take) or
// -20 (not written). headerLanguage names the CSV and XLSX columns. A failure is reported
// through the dictionary's error sink.
int ExportVocabulary(UserVocabulary& dictionary, const Config& config,
                     const std::filesystem::path& path, int format, UiLanguage headerLanguage);

struct ImportRequest {
  std::filesystem::path path;
  int format = 0;
  bool merge = false;       // into the open dictionary, which keeps its entries
  int availablePairs = 0;   // the account's language-pair bits
  bool uniqueName = false;  // a new dictionary takes a free name made from the file's
  bool repeat = false;      // the notes of this file were shown already
};

// Each note and the truncation message, as the information boxes show them.
using ImportNoteSink = std::function<void(const std::string& message)>;

// Imports the file into a new dictionary (saved on the service) or, merging, into the open
// one: 0, or a dictionary error. A name already in use comes back as -6 without a message,
// for the caller to offer Replace, Merge or Create new; other failures are reported through
// the dictionary's error sink. A failed merge leaves the open dictionary as it was.
int ImportVocabulary(UserVocabulary& dictionary, const Config& config, const ImportRequest& request,
                     const ImportNoteSink& notes);

}  // namespace vorla

// Feeds arbitrary file bytes to the CSV dictionary reader, as the import does (encoding by
// the mark or the look of the bytes, invalid rows skipped). Besides memory errors it checks
// that what loads writes a table that loads back whole without the skip flag.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionaries/exchange/CsvDictionaryReader.h"
#include "dictionaries/exchange/CsvDictionaryWriter.h"
#include "dictionaries/exchange/CsvFileText.h"

namespace {

constexpr std::size_t kMaxEntries = 100'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text =
      vorla::CsvTextOfFileBytes(std::string(reinterpret_cast<const char*>(data), size));
  vorla::Vocabulary vocabulary;
  std::uint32_t notes = 0;
  const int result = vorla::ReadCsvDictionary(vocabulary, text, vorla::csv_read::kSkipInvalidRows,
                                              0, notes, kMaxEntries);
  if (result != 0) return 0;
  std::string written;
  vorla::WriteCsvDictionary(vocabulary, written, vorla::UiLanguage::English);
  vorla::Vocabulary again;
  again.header.srclan = vocabulary.header.srclan;
  again.header.tgtlan = vocabulary.header.tgtlan;
  if (vorla::ReadCsvDictionary(again, written, 0, ';', notes, kMaxEntries) != 0 ||
      again.count() != vocabulary.count()) {
    __builtin_trap();
  }
  return 0;
}

// Feeds arbitrary bytes to the TMX reader. Whatever it reads must export as a well-formed
// memory that reads back with the same entries.
#include <cstddef>
#include <cstdint>

#include "FileTarget.h"
#include "dictionaries/exchange/TmxDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorla::fuzz::FuzzImportTarget target;
  std::uint32_t notes = 0;
  const int result =
      vorla::ReadTmxDictionary(target, vorla::fuzz::ScratchFile(bytes), false, notes);
  if (result != 0 && result != -14) return 0;
  std::string written;
  if (vorla::WriteTmxDictionary(target.vocabulary,
                                {"Vorla Tool", "3.1.2", vorla::UiLanguage::English}, written) != 0)
    __builtin_trap();
  vorla::fuzz::RequireWellFormed(written);
  vorla::fuzz::FuzzImportTarget again;
  if (vorla::ReadTmxDictionary(again, vorla::fuzz::ScratchFile(written), false, notes) != 0 ||
      again.vocabulary.count() != target.vocabulary.count())
    __builtin_trap();
  return 0;
}

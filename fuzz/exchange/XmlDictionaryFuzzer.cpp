// Feeds arbitrary bytes to the XML dictionary reader. Whatever it reads must export as a
// well-formed document that reads back.
#include <cstddef>
#include <cstdint>

#include "FileTarget.h"
#include "dictionaries/exchange/XmlDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorla::fuzz::FuzzImportTarget target;
  std::uint32_t notes = 0;
  const int result = vorla::ReadXmlDictionary(target, vorla::fuzz::ScratchFile(bytes), {}, notes);
  if (result != 0 && result != -14) return 0;
  std::string written;
  vorla::WriteXmlDictionary(target.vocabulary, written);
  vorla::fuzz::RequireWellFormed(written);
  vorla::fuzz::FuzzImportTarget again;
  if (vorla::ReadXmlDictionary(again, vorla::fuzz::ScratchFile(written), {}, notes) != 0 ||
      again.vocabulary.count() != target.vocabulary.count())
    __builtin_trap();
  return 0;
}

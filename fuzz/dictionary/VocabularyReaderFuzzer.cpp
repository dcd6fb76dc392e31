// Feeds arbitrary bytes to the dictionary stream reader. Besides memory errors it checks
// that a failed read leaves no entries and that whatever loads writes a stream that loads
// back into the same dictionary.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyStreamCheck.h"
#include "dictionaries/VocabularyWriter.h"

namespace {

constexpr std::size_t kMaxSize = 100'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorla::Vocabulary vocabulary;
  if (!vorla::ReadVocabulary(vocabulary, bytes, kMaxSize)) {
    if (vocabulary.count() != 0) __builtin_trap();
    return 0;
  }
  std::string written;
  if (!vorla::WriteVocabulary(vocabulary, written) ||
      !vorla::VerifyVocabularyStream(written, kMaxSize)) {
    __builtin_trap();
  }
  return 0;
}

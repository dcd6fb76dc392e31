// Feeds arbitrary uploads to the simulated service's dictionary stream check. Besides memory
// errors it checks that the check agrees with the client: whatever the client's reader loads
// from the bytes (with texts the entry checks allow), written again by its writer, passes the
// service's check against the declaration the client would send with it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "DictionaryStream.h"
#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyWriter.h"

namespace {

constexpr std::size_t kMaxSize = 100'000;

vorla::sim::DeclaredDictionary DeclarationOf(const vorla::Vocabulary& vocabulary) {
  const vorla::VocabularyHeader& header = vocabulary.header;
  const bool normal = header.vocsubtype == vorla::DictionaryKind::Normal;
  return {.voctype = header.voctype,
          .vocsubtype = static_cast<std::int32_t>(header.vocsubtype),
          .shtype = header.shtype,
          .srclan = header.srclan,
          .tgtlan = header.tgtlan,
          .defcnt = normal ? vocabulary.simplecount() : vocabulary.count(),
          .compcnt = normal ? vocabulary.compcount() : 0,
          .name = header.name};
}

// Texts holding a delimiter byte of the stream never pass the entry checks; the reader takes
// some inside its tokens, and what it makes of them is its own concern, not the service's.
bool HoldsDelimiter(const vorla::Vocabulary& vocabulary) {
  constexpr std::string_view kDelimiters("\x00\x01\x02\x03\xC8\xCA\xD7\xF7\xFF", 9);
  for (int i = 0; i < vocabulary.count(); ++i) {
    const vorla::VocabularyEntry& entry = vocabulary.At(i);
    for (const std::string* text : {&entry.source, &entry.target}) {
      if (text->find_first_of(kDelimiters) != std::string::npos) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorla::Vocabulary vocabulary;
  const bool loaded = vorla::ReadVocabulary(vocabulary, bytes, kMaxSize);
  const vorla::sim::StreamCheck direct =
      vorla::sim::CheckDictionaryStream(bytes, DeclarationOf(vocabulary));
  if (!direct.ok() && !direct.terms.empty()) __builtin_trap();
  if (!loaded || HoldsDelimiter(vocabulary)) return 0;
  std::string written;
  if (!vorla::WriteVocabulary(vocabulary, written)) return 0;
  if (!vorla::sim::CheckDictionaryStream(written, DeclarationOf(vocabulary)).ok()) {
    __builtin_trap();
  }
  return 0;
}

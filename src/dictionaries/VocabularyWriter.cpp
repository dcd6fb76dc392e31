#include "dictionaries/VocabularyWriter.h"

#include "dictionaries/StreamBytes.h"
#include "dictionaries/StreamCount.h"
#include "dictionaries/StreamHeader.h"

namespace vorla {

namespace {

constexpr std::size_t kInitialCapacity = 4096;
constexpr std::string_view kEndTag = "#EOF";

template <class Entries>
void WriteSection(std::string& out, const Entries& entries) {
  WriteCountField(out, entries.size());
  for (const auto& entry : entries)
    entry->WriteRecord(out);
}

}  // namespace

bool WriteVocabulary(Vocabulary& vocabulary, std::string& out) {
  if (vocabulary.header.version < 2) return false;
  out.reserve(out.size() + kInitialCapacity);
  WriteStreamHeader(vocabulary.header, out);
  if (vocabulary.header.vocsubtype == DictionaryKind::Normal) {
    WriteSection(out, vocabulary.SimpleTerms());
    PutByte(out, stream_byte::kSectionEnd);
    WriteSection(out, vocabulary.CompTerms());
  } else {
    WriteCountField(out, static_cast<std::size_t>(vocabulary.count()));
    for (int i = 0; i < vocabulary.count(); ++i)
      vocabulary.At(i).WriteRecord(out);
  }
  out.append(kEndTag);
  return true;
}

}  // namespace vorla

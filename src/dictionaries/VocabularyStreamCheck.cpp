#include "dictionaries/VocabularyStreamCheck.h"

#include <string>

#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyWriter.h"

namespace vorla {

bool VerifyVocabularyStream(std::string_view stream, std::size_t maxSize) {
  Vocabulary copy;
  if (!ReadVocabulary(copy, stream, maxSize)) return false;
  std::string again;
  return WriteVocabulary(copy, again) && again == stream;
}

}  // namespace vorla

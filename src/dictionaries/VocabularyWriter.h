#pragma once

#include <string>

#include "dictionaries/Vocabulary.h"

namespace vorla {

// Appends the dictionary's stream (header, counts, records, "#EOF") to out. Refuses a
// dictionary whose version is below 2, and then writes nothing. Rule entries keep their
// range limited to -1..100 as written.
bool WriteVocabulary(Vocabulary& vocabulary, std::string& out);

}  // namespace vorla

#pragma once

#include <string>

#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// The target with TgtAdjAttr made visible: a '#' directly after the k-th word (words
// separated by blanks). Unchanged when k is not given or the k-th word is not followed by a
// blank.
std::string MarkedTarget(const VocabularyEntry& entry);

// Removes the '#' marks from a translation in place: a word followed by a blank and ending
// in '#' loses it. Returns the number (from 1) of the first marked word, or -1. A '#' that
// ends the last word, or stands alone, is not a mark.
int ExtractAdjAttrMark(std::string& translation);

}  // namespace vorla

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionaries/TextSide.h"
#include "dictionaries/Vocabulary.h"

namespace vorla {

enum class EntryTextResult {
  TextOk = 0,
  TextBadStar = 1,        // a '*' head-word mark in the wrong place
  TextIllegalChar = 2,    // the offending byte is given
  TextEmpty = 3,          // nothing but white space
  TextFixedPhrase = 4,    // several words where the dictionary allows one
  TextTooLong = 5,        // over 199 bytes (dictionaries other than Phrases)
  TextPhraseTooLong = 6,  // over 398 bytes (Phrases)
  TextBadStart = 7,       // a word starts with the offending byte
};

struct CheckedText {
  EntryTextResult result = EntryTextResult::TextOk;
  std::string text;  // the normalised text when accepted
  std::uint8_t offending = 0;
};

// Checks and normalises a source or translation (Windows-1252) for the dictionary's kind and
// languages: white space runs become one blank, apostrophes in a source become "'", a lone
// word keeps no final '*'. Bytes the stream cannot carry are refused in every kind: control
// bytes other than white space, 0xFF, and 0xC8 at the start of a translation's word (it
// would be read as an attribute list).
CheckedText CheckEntryText(const Vocabulary& vocabulary, std::string_view text, TextSide side);

}  // namespace vorla

#pragma once

#include "dictionaries/DictionaryErrors.h"

namespace vorla {

// The dictionary errors the exchange files end in.
namespace exchange_error {
inline constexpr int kInvalid =
    dictionary_error::kFormat;  // an entry text or header the checks refuse
inline constexpr int kCannotOpen = dictionary_error::kNotReadable;    // the file cannot be opened
inline constexpr int kTruncated = dictionary_error::kTooManyEntries;  // the entry limit was reached
inline constexpr int kWrongPair = -16;   // a language pair the import cannot take
inline constexpr int kXmlFile = -17;     // the XML file is not well-formed or asks for more
inline constexpr int kTmxFile = -18;     // the same of a TMX file
inline constexpr int kNotWritten = -20;  // the export file could not be written
inline constexpr int kPairNotAvailable = dictionary_error::kNoPairAccess;
inline constexpr int kOtherKind = -22;  // a merge with a dictionary of another kind

// The workbook could not be made (no template, no worksheet to fill, no working copy).
inline constexpr int kWorkbookNotMade = -8;
}  // namespace exchange_error

}  // namespace vorla

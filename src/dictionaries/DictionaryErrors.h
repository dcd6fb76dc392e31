#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/UiLanguage.h"
#include "config/MessageBox.h"
#include "dictionaries/DictionaryKind.h"

namespace vorla {

// The codes every dictionary operation ends with besides 0; the service's answer statuses
// use the same numbers.
namespace dictionary_error {
inline constexpr int kFormat = -1;
inline constexpr int kInvalidName = -3;
inline constexpr int kNotReadable = -5;  // on the service: the dictionary is not found
inline constexpr int kNameInUse = -6;
inline constexpr int kTooManyDictionaries = -7;
inline constexpr int kUnexpected = -8;  // has no text of its own
inline constexpr int kServer = -9;
inline constexpr int kNoConnection = -11;
inline constexpr int kNotLoggedIn = -12;
inline constexpr int kTooManyEntries = -14;
inline constexpr int kNoPairAccess = -21;
inline constexpr int kLowest = -22;
}  // namespace dictionary_error

// What an operation was doing when it failed; picks the message's prefix.
enum class DictionaryOperation {
  Load = 0,
  Update = 1,
  Create = 2,
  Remove = 3,
  Import = 4,
  Export = 5
};

// What a failed operation tells the user: the message (UTF-8) and the icon of its box.
struct DictionaryErrorReport {
  std::string message;
  MessageIcon icon = MessageIcon::Warning;
};

// The facts some messages add: the entries of the dictionary and the limits.
struct DictionaryErrorContext {
  std::optional<std::string_view> name;  // Windows-1252; the prefix names it when given
  bool notFound = false;                 // -5 reads as a dictionary missing on the service
  DictionaryKind kind = DictionaryKind::Normal;
  bool userDictionary = true;  // -7 adds the limit for user dictionaries
  int entries = 0;
  int entryLimit = 0;
  int dictionaryLimit = 0;
};

// The operation's prefix followed by the code's text (a code below -22 reads as -8);
// nothing for a code of 0 or more. Information icon for -6, -7, -12 and -21, else warning.
std::optional<DictionaryErrorReport> DescribeDictionaryError(DictionaryOperation operation,
                                                             int code,
                                                             const DictionaryErrorContext& context,
                                                             UiLanguage language);

}  // namespace vorla

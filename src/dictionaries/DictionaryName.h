#pragma once

#include <string_view>

namespace vorla {

// The name without tab, line feed, carriage return, blank and no-break space at either end.
std::string_view TrimDictionaryName(std::string_view name);

// Whether the trimmed name may name a dictionary: 1 to 127 bytes, not starting with '%',
// made of ASCII letters and digits, blanks, # $ % & ' ( ) - @ [ ] _ { } and the Windows-1252
// letters Š Ž š ž £ À-Ö Ø-ö ø-þ. None of them is a delimiter of the dictionary stream.
bool IsValidDictionaryName(std::string_view name);

}  // namespace vorla

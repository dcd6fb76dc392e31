#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Where an imported text goes: a source takes a plain '-' for the non-breaking hyphen, every
// other text keeps it as the reference "&#8209;".
enum class ImportTextRole { Source, Other };

// Appends the Windows-1252 byte that stands for an imported character: the byte itself below
// U+0100, nothing for the zero-width characters, an approximation for the typographic ones,
// the code page's byte where it has one, else a blank.
void AppendImportCharacter(std::string& out, char32_t c, ImportTextRole role);

// Imported UTF-8 text as Windows-1252 bytes, character by character as above (an invalid
// UTF-8 sequence becomes a blank).
std::string ImportUtf8Text(std::string_view utf8, ImportTextRole role = ImportTextRole::Other);

}  // namespace vorla

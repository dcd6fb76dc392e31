#pragma once

#include <string>
#include <string_view>

namespace vorla {

// Imported Unicode text (exchange files, workbook cells) as the Windows-1252 bytes of the
// dictionary texts: characters below U+0100 keep their value as a byte, look-alikes become
// their Windows-1252 approximation, zero-width characters are dropped, and any other
// character without a byte becomes a blank. The non-breaking hyphen U+2011 is "-" in a
// source and is kept elsewhere as the reference "&#8209;", which exports write back as it.
enum class ImportedTextRole { Source, Other };

void AppendImportedCharacter(std::string& out, char32_t c, ImportedTextRole role);
// UTF-8 text; an invalid sequence counts as a character without a byte.
std::string ImportedTextToCp1252(std::string_view utf8, ImportedTextRole role);

}  // namespace vorla

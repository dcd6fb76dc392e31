#pragma once

namespace vorla {

// The two encodings in which the panes stream text and RTF: Windows-1252 for the local
// language pairs and UTF-8 (code page 65001) for the further-language families.
enum class StreamEncoding { Windows1252, Utf8 };

}  // namespace vorla

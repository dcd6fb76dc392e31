#pragma once

namespace vorla {

struct TranslationJob;

// Whether a job is a long request, which waits for the file-translation time-out and is
// never repeated: further languages, the binary Office formats, an address without text,
// other documents from 20,000 bytes, and text or RTF from 400,000 bytes (1,500,000 for a
// fixed English-to-Finnish job).
bool IsLongRequest(const TranslationJob& job);

// Sets the request-length bit of `trflagsext` (0x400 long, 0x800 short).
void MarkRequestLength(TranslationJob& job);

}  // namespace vorla

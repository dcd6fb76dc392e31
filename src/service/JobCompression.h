#pragma once

#include <cstdint>

#include "translation/TranslationJob.h"

namespace vorla {

// Packs the job's source for a request that asks for compression (0x400 in trflags). A text
// that does not shrink is sent as it is, with 0x400 cleared so the answer comes back
// unpacked; a packed one gets 0x800 and is never packed again on a repeat. Returns the
// job's error when it already has one, 5 when compression fails, else 0.
std::int32_t CompressSource(TranslationJob& job);

// Unpacks the job's result: the result buffer, when there is one, is replaced by one holding
// the expanded bytes, else the detached result holds them; resunpacked gets the length.
// 8 for a missing or damaged result, 9 for one longer than maxLength (-1: no maximum of
// its own), else 0.
std::int32_t ExpandResult(TranslationJob& job, std::int32_t maxLength);

}  // namespace vorla

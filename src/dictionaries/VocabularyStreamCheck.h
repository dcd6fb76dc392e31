#pragma once

#include <cstddef>
#include <string_view>

namespace vorla {

// Whether a written stream reads back into the same dictionary: it must read without error
// and write again to exactly the same bytes. Run on every stream before it is sent, so a
// dictionary the service would hand back unreadable is never uploaded.
bool VerifyVocabularyStream(std::string_view stream, std::size_t maxSize);

}  // namespace vorla

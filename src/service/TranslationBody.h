#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorla {

struct TranslationJob;

struct TranslationBody {
  std::string body;
  std::size_t escapedSourceLength = 0;
};

// The form body of `cmd=tr` for a prepared job: the fields in their order, each optional
// one under its condition, the flags as the job holds them now. The address and the frame
// list come escaped; the source bytes are escaped here and come last.
TranslationBody MakeTranslationBody(const TranslationJob& job, std::string_view version,
                                    bool resultIdMode, std::string_view escapedUrl,
                                    std::string_view escapedFrames);

}  // namespace vorla

#include "service/JobCompression.h"

#include "service/Compression.h"
#include "translation/TranslationFlags.h"

namespace vorla {

std::int32_t CompressSource(TranslationJob& job) {
  if (job.error != 0) return job.error;
  std::optional<std::string> packed = CompressBytes(job.Source());
  if (!packed) return kCompressionFailed;
  if (packed->size() < job.Source().size()) {
    job.SetSource(std::move(*packed));
  } else {
    job.trflags &= ~kTrCompress;
  }
  if (job.trflags & kTrCompress) job.trflags |= kTrCompressed;
  return 0;
}

std::int32_t ExpandResult(TranslationJob& job, std::int32_t maxLength) {
  if (job.Result().empty()) return kInflateDamaged;
  RefPtr<IStringBuffer> expanded = MakeRef<StringBuffer>();
  const std::int32_t result = InflateBuffer(job.Result(), maxLength, *expanded);
  if (result != kInflateOk) return result;
  job.resunpacked = expanded->GetLength();
  if (job.resbuf) {
    job.resbuf = std::move(expanded);
  } else {
    job.rescopy.assign(ViewOf(*expanded));
  }
  return 0;
}

}  // namespace vorla

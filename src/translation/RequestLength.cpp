#include "translation/RequestLength.h"

#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

constexpr int kDocumentFromBytes = 20'000;
constexpr int kTextFromBytes = 400'000;
constexpr int kFixedEnglishFinnishFromBytes = 1'500'000;

}  // namespace

bool IsLongRequest(const TranslationJob& job) {
  if (!IsLocalPair(job.srclan, job.tgtlan) || IsBinaryOfficeFormat(job.srcformat)) return true;
  if (job.srctxt.empty()) return !job.srcurl.empty();
  if (job.srclen < kDocumentFromBytes) return false;
  if (job.srcformat != kFormatTxt && job.srcformat != kFormatRtf) return true;
  const bool fixedEnglishFinnish = job.srclan == kLanguageEnglish &&
                                   job.tgtlan == kLanguageFinnish &&
                                   !(job.trflags & kTrAutoDirection);
  return job.srclen >= (fixedEnglishFinnish ? kFixedEnglishFinnishFromBytes : kTextFromBytes);
}

void MarkRequestLength(TranslationJob& job) {
  job.trflagsext |= IsLongRequest(job) ? kTrExtLongRequest : kTrExtOrdinaryRequest;
}

}  // namespace vorla

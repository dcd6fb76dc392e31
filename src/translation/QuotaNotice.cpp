#include "translation/QuotaNotice.h"

#include "translation/LanguageFamily.h"
#include "translation/LanguagePairs.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationJob.h"

namespace vorla {

bool OpensQuotaInfo(const TranslationJob& job, int accountType) {
  return job.error == kResultBalanceInsufficient &&
         (accountType == kAccountFirstList || accountType == kAccountSecondList) &&
         !IsLocalPair(job.srclan, job.tgtlan);
}

}  // namespace vorla

#pragma once

namespace vorla {

struct TranslationJob;

// What the "Translation Quota Info" dialog tells: how many characters the source has, what
// is left of the account's quota, and which length line to use.
struct QuotaShortfall {
  int characters = 0;  // the job's shortfall value
  int quotaLeft = 0;   // the translator state's quota left
  // "Source document length" for a job with a progress dialog that is not a web job;
  // "Source text length" otherwise.
  bool document = false;
};

// Whether a failed job tells about the quota: result 19 in a further-language family for an
// account of type 3 or 4.
bool OpensQuotaInfo(const TranslationJob& job, int accountType);

// The "Translation Quota Info" dialog after a further-language job ran out of quota. Called
// on the job's worker thread; it returns once the dialog is closed, and at once while the
// program is closing.
class QuotaNotice {
 public:
  virtual ~QuotaNotice() = default;

  virtual void Show(const QuotaShortfall& shortfall) = 0;
};

}  // namespace vorla

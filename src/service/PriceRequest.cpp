// `cmd=gettrprice`: the price query before a translation.
#include <array>

#include "service/AnswerReader.h"
#include "service/FormEncoding.h"
#include "service/PriceRecord.h"
#include "service/ServiceClient.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr int kPriceOfTranslation = 0;  // `type`

std::string PriceBody(const TranslationJob& job, std::string_view escapedUrl) {
  std::string body = "cmd=gettrprice&type=" + std::to_string(kPriceOfTranslation) +
                     "&srcformat=" + std::to_string(job.srcformat) +
                     "&pid=" + std::to_string(job.pid) +
                     "&formating=" + std::to_string(job.formating);
  if (job.trflags != 0) {
    body += "&trflags=" + std::to_string(static_cast<std::int32_t>(job.trflags));
    if ((job.trflags & kTrActiveSentence) && job.actsent >= 0) {
      body += "&actsent=" + std::to_string(job.actsent);
    }
  }
  if (!job.srctxt.empty()) {
    body += "&srctxt=";
    EncodeFormBinary(job.Source(), body);
  }
  if (!job.srcurl.empty()) {
    body += "&srcurl=";
    body += escapedUrl;
  }
  return body;
}

}  // namespace

std::int32_t ServiceClient::GetTranslationPrice(TranslationJob& job, PriceRecord* record,
                                                int retry) {
  PreparedRequest prepared;
  if (const std::int32_t refused = PrepareRequest(job, prepared); refused != 0) {
    return job.error = refused;
  }
  const std::string body = PriceBody(job, prepared.escapedUrl);

  const auto attempt = [&](int mode) -> Attempt {
    const ConnectionLease conn = OpenConnection(TranslationObserver(), job.obsvalue, true, mode);
    if (!conn) return Attempt::Because(Transport::Failed);
    const Transport sent = Send(*conn, ServiceUrl(), body, prepared.timeoutMs, true);
    if (sent != Transport::Ok) return Attempt::Because(sent);
    AnswerReader reader(*conn);
    std::int32_t status = 0;
    if (!reader.ReadIntegers({&status, 1})) return Attempt::Because(Transport::Lost);
    if (status != 0) return Attempt::Answered(status);
    // Words, price, second amount, account type, quota left.
    std::array<std::int32_t, 5> block{};
    if (!reader.ReadIntegers(block)) return Attempt::Because(Transport::Lost);
    job.srcwords = block[0];
    if (record) *record = {block[0], block[1], block[2]};
    if (state_) state_->SetAccount(block[3], block[4]);
    return Attempt::Answered(0);
  };
  const std::int32_t status = RepeatAfterLostConnection(kNeverRepeat, {}, attempt);
  job.error = status;
  if (status == kResultNotLoggedIn && retry == 1 && RenewExpiredSession()) {
    job.error = 0;
    return GetTranslationPrice(job, record, 2);
  }
  return status;
}

}  // namespace vorla

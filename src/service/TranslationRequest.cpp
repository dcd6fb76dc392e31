// `cmd=tr`: the translation request.
#include <array>

#include "service/AnswerReader.h"
#include "service/FormEncoding.h"
#include "service/JobCompression.h"
#include "service/ServiceClient.h"
#include "service/TranslationBody.h"
#include "translation/ResultCodes.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

constexpr int kProductWithResultIds = 4;
constexpr std::size_t kResultIdBlockSize = 6;
constexpr std::int32_t kShortestResultId = 8;
constexpr std::int32_t kLongestResultId = 127;
constexpr std::uint32_t kSecondPartFlags = kTrPdfToHtml | kTrSentenceAlignment | kTrExtractTerms;

bool IsLongByFormat(int format) {
  return IsBinaryOfficeFormat(format) || format == kFormatPdf;
}

Attempt AttemptOf(PayloadStatus status) {
  switch (status) {
    case PayloadStatus::Ok:
      return Attempt::Answered(0);
    case PayloadStatus::Refused:
      return Attempt::Answered(kResultResultTooLong);
    case PayloadStatus::Cancelled:
      return Attempt::Because(Transport::Cancelled);
    case PayloadStatus::Lost:
      break;
  }
  return Attempt::Because(Transport::Lost);
}

// Reads a payload into a new buffer that becomes the job's once it is complete.
Attempt ReadPart(AnswerReader& reader, std::int32_t length, const LengthLimit& limit,
                 RefPtr<IStringBuffer>& part) {
  auto buffer = MakeRef<StringBuffer>();
  const Attempt read = AttemptOf(reader.ReadPayload(length, limit, *buffer));
  if (read.transport == Transport::Ok && read.code == 0) part = std::move(buffer);
  return read;
}

}  // namespace

std::int32_t ServiceClient::PrepareRequest(TranslationJob& job, PreparedRequest& prepared) const {
  if (IsCancelled()) return kResultInterrupted;
  const std::int32_t maximum = MaxTranslationLength();
  if (maximum != -1 && job.srclen >= maximum) return kResultSourceTooLong;
  if (!(job.trflagsext & (kTrExtLongRequest | kTrExtOrdinaryRequest))) {
    job.trflagsext |= IsLongByFormat(job.srcformat) ? kTrExtLongRequest : kTrExtOrdinaryRequest;
  }
  prepared.timeoutMs = job.trflagsext & kTrExtLongRequest
                           ? config_->limits.filetr_request_timeout.load()
                           : config_->limits.tr_request_timeout.load();
  // A repeat of the same job finds 0x800 set and sends the packed bytes as they are.
  if (!job.srctxt.empty() && (job.trflags & (kTrCompress | kTrCompressed)) == kTrCompress) {
    if (const std::int32_t packed = CompressSource(job); packed != 0) return packed;
  }
  if (!job.srcurl.empty() && EncodeUrlField(job.srcurl, prepared.escapedUrl) < 0) {
    return kResultSourceInvalid;
  }
  return 0;
}

std::int32_t ServiceClient::Translate(TranslationJob& job, int repeatMode) {
  std::int32_t result = TranslateOnce(job, repeatMode);
  job.error = result;
  if (result == kResultNotLoggedIn && job.relogin == 1) {
    job.relogin = 0;
    if (RenewExpiredSession()) {
      // The login may have changed the pairs the account may use.
      if (state_) job.FillLanguages(*state_);
      job.error = 0;
      result = Translate(job, kNeverRepeat);
    }
  }
  return result;
}

std::int32_t ServiceClient::TranslateOnce(TranslationJob& job, int repeatMode) {
  PreparedRequest prepared;
  if (const std::int32_t refused = PrepareRequest(job, prepared); refused != 0) return refused;
  if (repeatMode == kRepeatOnce &&
      (!IsLocalPair(job.srclan, job.tgtlan) || IsBinaryOfficeFormat(job.srcformat) ||
       (job.trflagsext & kTrExtLongRequest))) {
    repeatMode = kNeverRepeat;
  }
  job.resunpacked = 0;
  const bool resultIdMode =
      !job.srcurl.empty() && ProductId() == kProductWithResultIds && job.tgtformat == kFormatHtml;
  std::string escapedFrames;
  if (job.frmurlscount > 0) EncodeFormString(job.frmurls, escapedFrames);
  TranslationBody request =
      MakeTranslationBody(job, Fields().ver, resultIdMode, prepared.escapedUrl, escapedFrames);
  const std::int64_t maximum = MaxTranslationLength();
  if (maximum != -1 && static_cast<std::int64_t>(request.escapedSourceLength) >= 2 * maximum) {
    return kResultSourceTooLong;
  }

  const auto attempt = [&](int mode) -> Attempt {
    const ConnectionLease conn = OpenConnection(TranslationObserver(), job.obsvalue, true, mode);
    if (!conn) return Attempt::Because(Transport::Failed);
    const Transport sent = Send(*conn, ServiceUrl(), request.body, prepared.timeoutMs, true);
    // Only a request that may still be repeated needs its body after the send.
    if (mode != kRepeatOnce) request.body = std::string();
    if (sent != Transport::Ok) return Attempt::Because(sent);
    const Attempt answer = ReadTranslationAnswer(*conn, job, resultIdMode);
    if (answer.transport != Transport::Ok) {
      job.resbuf.reset();
      job.auxbuf.reset();
    }
    return answer;
  };
  std::int32_t result = RepeatAfterLostConnection(repeatMode, {}, attempt);
  if (result == 0 && (job.trflags & kTrCompress) && !job.srctxt.empty()) {
    result = ExpandResult(job, MaxTranslationLength());
  }
  return result;
}

Attempt ServiceClient::ReadTranslationAnswer(IHttpConn& conn, TranslationJob& job,
                                             bool resultIdMode) {
  AnswerReader reader(conn);
  std::array<std::int32_t, 4> header{};  // status, source language, target language, length
  if (!reader.ReadIntegers(header)) return Attempt::Because(Transport::Lost);
  const std::int32_t status = header[0];
  const LengthLimit resultLimit{MaxTranslationLength()};

  if (status == kResultBalanceInsufficient && !resultIdMode) {
    // The shortfall, the account type and the quota stand where the languages would.
    job.shortfall = header[1];
    if (state_) state_->SetAccount(header[2], header[3]);
    return Attempt::Answered(status);
  }
  if (status != 0) return Attempt::Answered(status);
  job.srclan = header[1];
  job.tgtlan = header[2];
  const std::int32_t length = header[3];

  if (resultIdMode) {
    std::array<unsigned char, kResultIdBlockSize> block{};  // content flag, target format
    if (!reader.ReadBytes(block)) return Attempt::Because(Transport::Lost);
    job.tgtformat = block[1];
    if (block[0] == 0) {
      job.trflagsext |= kTrExtNoResultBody;
      if (length < kShortestResultId || length > kLongestResultId) {
        return Attempt::Answered(kResultServerError);
      }
    } else if (!resultLimit.Allows(length)) {
      return Attempt::Answered(kResultServerError);
    }
    return ReadPart(reader, length, resultLimit, job.resbuf);
  }

  const Attempt result = ReadPart(reader, length, resultLimit, job.resbuf);
  if (result.transport != Transport::Ok || result.code != 0 || !(job.trflags & kSecondPartFlags)) {
    return result;
  }
  std::int32_t count = 0;
  if (!reader.ReadIntegers({&count, 1})) return Attempt::Because(Transport::Lost);
  if (count < 1) return result;
  // Refused before anything is allocated for it.
  return ReadPart(reader, count, {MaxTranslationLength(), LengthLimit::Refuse::Above}, job.auxbuf);
}

}  // namespace vorla

#include "service/TranslationBody.h"

#include <algorithm>

#include "service/FormEncoding.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

// `rt` asks for a result id instead of the document, for web pages translated into HTML.
constexpr int kResultIdRequest = 3;

void AppendField(std::string& body, std::string_view name, long long value) {
  body += '&';
  body += name;
  body += '=';
  body += std::to_string(value);
}

// The flag words are sent as signed decimals.
long long Signed(std::uint32_t flags) {
  return static_cast<std::int32_t>(flags);
}

bool SendsEncoding(const TranslationJob& job) {
  return job.enc != kEncodingWindows1252 &&
         (job.srcformat == kFormatTxt || job.srcformat == kFormatHtml);
}

// "5:7;" or ";9": the active dictionaries of both directions, ":" within a list and ";"
// between the two lists, which is always written.
std::string ActiveFieldsValue(const TranslationJob& job) {
  std::string value;
  for (std::size_t list = 0; list < job.actfields.size(); ++list) {
    if (list > 0) value += ';';
    const int count = std::clamp(job.actcount[list], 0, TranslationJob::kMaxActiveDictionaries);
    for (int i = 0; i < count; ++i) {
      if (i > 0) value += ':';
      value += std::to_string(job.actfields[list][static_cast<std::size_t>(i)]);
    }
  }
  return value;
}

}  // namespace

TranslationBody MakeTranslationBody(const TranslationJob& job, std::string_view version,
                                    bool resultIdMode, std::string_view escapedUrl,
                                    std::string_view escapedFrames) {
  TranslationBody out;
  std::string& body = out.body;
  body = "cmd=tr&p=6";
  AppendField(body, "pid", job.pid);
  body += "&ver=";
  body += version;
  if (resultIdMode) AppendField(body, "rt", kResultIdRequest);
  if (job.trflags != 0) {
    AppendField(body, "trflags", Signed(job.trflags));
    if ((job.trflags & kTrActiveSentence) && job.actsent >= 0) {
      AppendField(body, "actsent", job.actsent);
    }
  }
  if (job.trflagsext != 0) AppendField(body, "trflagsext", Signed(job.trflagsext));
  if (SendsEncoding(job)) AppendField(body, "enc", job.enc);
  AppendField(body, "sentype", job.sentype);
  AppendField(body, "srcformat", job.srcformat);
  AppendField(body, "srclan", job.srclan);
  AppendField(body, "tgtformat", job.tgtformat);
  AppendField(body, "tgtlan", job.tgtlan);
  AppendField(body, "formating", job.formating);
  if (job.srcformat == kFormatPdf && job.zoom > 0) AppendField(body, "zoom", job.zoom);
  if (job.actcount[0] > 0 || job.actcount[1] > 0) {
    body += "&actfields=";
    body += ActiveFieldsValue(job);
  }
  if (!job.srcurl.empty()) {
    body += "&srcurl=";
    body += escapedUrl;
  }
  if (job.frmurlscount > 0) {
    body += "&frmurls=";
    body += escapedFrames;
  }
  if (!job.srctxt.empty()) {
    body += "&srctxt=";
    const std::size_t before = body.size();
    EncodeFormBytes(job.Source(), body);
    out.escapedSourceLength = body.size() - before;
  }
  return out;
}

}  // namespace vorla

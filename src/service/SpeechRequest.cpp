// `cmd=tts`: the service synthesises speech and answers the audio.
#include <array>

#include "common/DataBuffer.h"
#include "service/AnswerReader.h"
#include "service/FormEncoding.h"
#include "service/ServiceClient.h"
#include "service/SpeechAnswer.h"
#include "service/SpeechSynthesis.h"

namespace vorla {

namespace {

std::string SpeechBody(const SpeechSynthesisRequest& request, const CommonFields& fields) {
  std::string body =
      "cmd=tts&p=2&pid=" + std::to_string(fields.pid) + "&ver=" + fields.ver +
      "&f=" + std::to_string(request.format) + "&l=" + std::to_string(request.language) +
      "&o=" + std::to_string(request.options) + "&rate=" + std::to_string(request.rate) +
      "&pitch=" + std::to_string(request.pitch) + "&vol=" + std::to_string(request.volume) + "&s=";
  EncodeFormString(request.text, body);
  return body;
}

}  // namespace

const char* SpeechAudioExtension(std::int32_t format) {
  return format == kSpeechFormatMp3 ? "mp3" : "wav";
}

std::int32_t ServiceClient::SynthesizeSpeech(const SpeechSynthesisRequest& request,
                                             std::string& audio) {
  audio.clear();
  const std::string body = SpeechBody(request, Fields());
  const auto attempt = [&](int mode) -> Attempt {
    const ConnectionLease conn = OpenConnection(nullptr, 0, true, mode);
    if (!conn) return Attempt::Because(Transport::Failed);
    const Transport sent =
        Send(*conn, ServiceUrl(), body, GetConfig().limits.tr_request_timeout.load(), false);
    if (sent != Transport::Ok) return Attempt::Because(sent);
    AnswerReader reader(*conn);
    std::int32_t status = 0;
    if (!reader.ReadIntegers({&status, 1})) return Attempt::Because(Transport::Lost);
    if (status != 0) return Attempt::Answered(status);
    std::array<std::int32_t, 2> header{};  // flags, length
    if (!reader.ReadIntegers(header)) return Attempt::Because(Transport::Lost);
    const auto payload = MakeRef<DataBuffer>();
    switch (reader.ReadPayload(SpeechAudioLength(header[1]), kSpeechAudioLimit, *payload)) {
      case PayloadStatus::Ok:
        return Attempt::Answered(DecodeSpeechAudio(header[0], ViewOf(*payload), audio));
      case PayloadStatus::Cancelled:
        return Attempt::Because(Transport::Cancelled);
      case PayloadStatus::Refused:
      case PayloadStatus::Lost:
        break;
    }
    return Attempt::Because(Transport::Lost);
  };
  return RepeatAfterLostConnection(kNeverRepeat, {}, attempt);
}

}  // namespace vorla

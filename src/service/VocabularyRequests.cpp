// `getvoc`, `createvoc`, `updatevoc` and `removevoc`: the user dictionaries on the service.
#include <array>
#include <new>
#include <optional>
#include <stdexcept>

#include "dictionaries/Vocabulary.h"
#include "service/AnswerReader.h"
#include "service/FormEncoding.h"
#include "service/ServiceClient.h"
#include "service/VocabularyTransfer.h"

namespace vorla {

namespace {

constexpr std::string_view kProtocol = "&p=4";
// Room of an upload body beyond its three escaped texts (the fixed fields).
constexpr std::size_t kUploadFieldRoom = 512;

std::string Field(std::string_view name, std::int32_t value) {
  return "&" + std::string(name) + "=" + std::to_string(value);
}

// The body of `getvoc` and `removevoc`, which name a stored dictionary.
std::string StoredDictionaryBody(std::string_view command, const ServiceClient& client,
                                 const VocabularyHeader& header) {
  return "cmd=" + std::string(command) + std::string(kProtocol) + Field("pid", client.ProductId()) +
         Field("vocid", header.vocid) + Field("voctype", header.voctype) +
         Field("srclan", header.srclan) + Field("tgtlan", header.tgtlan) +
         Field("uid", client.UserId());
}

// `defcnt` counts the one-word terms of a Normal dictionary and every entry of the others;
// `compcnt` the multi-word terms, which only a Normal dictionary has.
std::int32_t DefinitionCount(const Vocabulary& vocabulary) {
  return vocabulary.header.vocsubtype == DictionaryKind::Normal ? vocabulary.simplecount()
                                                                : vocabulary.count();
}
std::int32_t CompoundCount(const Vocabulary& vocabulary) {
  return vocabulary.header.vocsubtype == DictionaryKind::Normal ? vocabulary.compcount() : 0;
}

// The whole `createvoc` or `updatevoc` body; nothing when it cannot be allocated.
std::optional<std::string> UploadBody(const ServiceClient& client, const Vocabulary& vocabulary,
                                      std::string_view stream, bool create) {
  const VocabularyHeader& header = vocabulary.header;
  try {
    std::string name;
    std::string description;
    std::string escapedStream;
    EncodeFormString(header.name, name);
    EncodeFormString(header.description, description);
    EncodeFormBinary(stream, escapedStream);

    std::string body;
    body.reserve(name.size() + description.size() + escapedStream.size() + kUploadFieldRoom);
    body = create ? "cmd=createvoc" : "cmd=updatevoc";
    body += kProtocol;
    body += Field("pid", client.ProductId());
    if (!create) body += Field("vocid", header.vocid);
    body += Field("voctype", header.voctype);
    body += Field("vocsubtype", static_cast<std::int32_t>(header.vocsubtype));
    body += Field("shtype", header.shtype);
    body += Field("srclan", header.srclan);
    body += Field("tgtlan", header.tgtlan);
    body += Field("defcnt", DefinitionCount(vocabulary));
    body += Field("compcnt", CompoundCount(vocabulary));
    body += Field("uid", client.UserId());
    body += "&name=";
    body += name;
    body += "&description=";
    body += description;
    body += "&srctxt=";
    body += escapedStream;
    return body;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

// Sends the body and reads the answer's status and length. The client result.
std::int32_t SendForHeader(ServiceClient& client, IHttpConn& conn, std::string_view body,
                           std::int32_t timeoutMs, bool chunked,
                           std::array<std::int32_t, 2>& header) {
  const Transport sent = client.Send(conn, client.ServiceUrl(), body, timeoutMs, chunked);
  if (sent == Transport::Cancelled) return kVocabularyCancelled;
  if (sent != Transport::Ok) return kVocabularyTransferFailed;
  if (AnswerReader(conn).ReadIntegers(header)) return kVocabularyExchanged;
  return client.IsCancelled() ? kVocabularyCancelled : kVocabularyTransferFailed;
}

// The stream of a `getvoc` answer with status 0. A length the answer cannot hold (negative,
// or more bytes than follow) fails the transfer; one over the limit is not read (-14).
std::int32_t ReadStream(IHttpConn& conn, std::int32_t announced, std::int32_t maxLength,
                        RefPtr<IDataBuffer>& payload, std::int32_t& status) {
  if (announced < 0) return kVocabularyTransferFailed;
  const LengthLimit limit{maxLength, LengthLimit::Refuse::Above};
  if (!limit.Allows(announced)) {
    status = kVocabularyTooLarge;
    return kVocabularyExchanged;
  }
  RefPtr<IDataBuffer> buffer = MakeRef<DataBuffer>();
  switch (AnswerReader(conn).ReadPayload(announced, limit, *buffer)) {
    case PayloadStatus::Ok:
      payload = std::move(buffer);
      return kVocabularyExchanged;
    case PayloadStatus::Cancelled:
      return kVocabularyCancelled;
    case PayloadStatus::Refused:
    case PayloadStatus::Lost:
      break;
  }
  return kVocabularyTransferFailed;
}

bool SessionToRenew(std::int32_t result, std::int32_t status, int retry) {
  return result == kVocabularyExchanged && status == kVocabularyNotLoggedIn && retry == 1;
}

}  // namespace

std::int32_t ServiceClient::GetVocabulary(const Vocabulary& vocabulary,
                                          RefPtr<IDataBuffer>& payload, std::int32_t& status,
                                          int retry) {
  status = 0;
  payload.reset();
  if (IsCancelled()) return kVocabularyCancelled;
  std::int32_t result = kVocabularyTransferFailed;
  {
    const ConnectionLease conn = OpenConnection(DictionaryObserver(), 0, true, kNeverRepeat);
    if (!conn) return kVocabularyTransferFailed;
    std::array<std::int32_t, 2> header{};  // status, length
    result = SendForHeader(*this, *conn, StoredDictionaryBody("getvoc", *this, vocabulary.header),
                           GetConfig().limits.voc_request_timeout, false, header);
    if (result != kVocabularyExchanged) return result;
    status = header[0];
    if (status == 0) result = ReadStream(*conn, header[1], MaxDictionaryLength(), payload, status);
  }
  if (SessionToRenew(result, status, retry) && RenewExpiredSession()) {
    return GetVocabulary(vocabulary, payload, status, 2);
  }
  return result;
}

std::int32_t ServiceClient::UploadVocabulary(const Vocabulary& vocabulary, std::string_view stream,
                                             bool create, std::int32_t& status, int retry) {
  status = 0;
  if (IsCancelled()) return kVocabularyCancelled;
  if (MaxDictionarySize() >= 0 && vocabulary.count() > MaxDictionarySize()) {
    status = kVocabularyTooLarge;
    return kVocabularyTooLargeToSend;
  }
  std::int32_t result = kVocabularyTransferFailed;
  {
    const ConnectionLease conn = OpenConnection(DictionaryObserver(), 0, true, kNeverRepeat);
    if (!conn) return kVocabularyTransferFailed;
    const std::optional<std::string> body = UploadBody(*this, vocabulary, stream, create);
    if (!body) return kVocabularyBodyNotAllocated;
    const std::int32_t timeoutMs = create ? GetConfig().limits.voc_request_timeout
                                          : GetConfig().limits.voc_update_request_timeout;
    std::array<std::int32_t, 2> header{};  // status, an unused length
    result = SendForHeader(*this, *conn, *body, timeoutMs, true, header);
    if (result == kVocabularyExchanged) status = header[0];
  }
  if (SessionToRenew(result, status, retry) && RenewExpiredSession()) {
    return UploadVocabulary(vocabulary, stream, create, status, 2);
  }
  return result;
}

std::int32_t ServiceClient::RemoveVocabulary(const Vocabulary& vocabulary, std::int32_t& status,
                                             int retry) {
  status = 0;
  if (IsCancelled()) return kVocabularyCancelled;
  std::int32_t result = kVocabularyTransferFailed;
  {
    const ConnectionLease conn = OpenConnection(nullptr, 0, true, kNeverRepeat);
    if (!conn) return kVocabularyTransferFailed;
    std::array<std::int32_t, 2> header{};  // status, an unused length
    result =
        SendForHeader(*this, *conn, StoredDictionaryBody("removevoc", *this, vocabulary.header),
                      GetConfig().limits.voc_request_timeout, false, header);
    if (result == kVocabularyExchanged) status = header[0];
  }
  if (SessionToRenew(result, status, retry) && RenewExpiredSession()) {
    return RemoveVocabulary(vocabulary, status, 2);
  }
  return result;
}

}  // namespace vorla

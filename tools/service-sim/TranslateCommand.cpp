// `tr`: the simulated translation engine behind the service's framing.
#include <optional>

#include "AddressDocument.h"
#include "DictionaryLookup.h"
#include "DocumentTranslation.h"
#include "JobEncoding.h"
#include "LanguageCodes.h"
#include "LanguagePair.h"
#include "ServiceCodes.h"
#include "SourceDocument.h"
#include "TranslationAnswer.h"
#include "TranslationCommands.h"
#include "TranslationFlags.h"
#include "UserTerms.h"
#include "ZlibStreams.h"

namespace vorla::sim {

namespace {

std::string ScriptedAnswer(const ScriptedStatus& scripted, const TranslationRequest& tr,
                           const std::optional<SimAccount>& account) {
  if (scripted.status != status::kInsufficientBalance) {
    return TranslationStatus(scripted.status, tr.sourceLanguage, tr.targetLanguage);
  }
  return InsufficientBalance(scripted.shortfall,
                             scripted.accountType.value_or(account ? account->accountType : 0),
                             scripted.quota.value_or(account ? account->quota : 0));
}

Translation TranslateSource(const TranslationRequest& tr, const SourceDocument& document,
                            const PairChoice& pair) {
  if ((tr.flags & trflags::kDictionaryLookup) != 0 && pair.mode.direction) {
    if (const auto entry = DictionaryEntry(document.text(), *pair.mode.direction)) {
      return {Utf8ToJobText(*entry, tr.encoding), {}};
    }
  }
  return document.Translate(pair.mode);
}

std::string AnswerRequest(const TranslationRequest& tr, const std::optional<SimAccount>& account,
                          SimContext& context, std::optional<std::size_t>& zlibAt) {
  TranslationScript& script = context.translation;
  if (const auto scripted = script.Next("tr")) return ScriptedAnswer(*scripted, tr, account);
  const auto refuse = [&tr](std::int32_t code) {
    return TranslationStatus(code, tr.sourceLanguage, tr.targetLanguage);
  };
  if (!account) return refuse(status::kSessionExpired);
  if (tr.sourceStatus != 0) return refuse(tr.sourceStatus);
  if ((tr.flags & trflags::kTermExtraction) != 0) return refuse(status::kNotAvailable);
  const bool fileDocument = tr.source && IsDocumentFormat(tr.sourceFormat);
  if (tr.source && !fileDocument && tr.sourceFormat != format::kPlainText &&
      tr.sourceFormat != format::kRtf) {
    return refuse(status::kUnsupportedFormat);
  }
  const std::optional<SourceDocument> document =
      tr.source && !fileDocument ? std::optional<SourceDocument>(std::in_place, tr) : std::nullopt;
  PairChoice pair = ChoosePair(tr.sourceLanguage, tr.targetLanguage,
                               (tr.flags & trflags::kAutomaticDirection) != 0, *account,
                               document ? document->text() : std::string_view());
  if (pair.status != 0) return refuse(pair.status);
  pair.mode.markUnknown = (tr.flags & trflags::kNoUnknownMarks) == 0;
  const std::size_t activeList = pair.sourceLanguage == kFinnish ? 1 : 0;
  pair.mode.userTerms = std::make_shared<const UserTerms>(
      UserTerms::Active(context.dictionaries, account->name, tr.activeDictionaries[activeList],
                        pair.sourceLanguage, pair.targetLanguage));
  std::optional<std::string> package;
  Translation translation;
  if (fileDocument) {
    DocumentAnswer answer = TranslateDocument(tr, pair.mode);
    if (answer.status != 0) return refuse(answer.status);
    translation.bytes = std::move(answer.bytes);
    package = std::move(answer.package);
  } else if (document) {
    translation = TranslateSource(tr, *document, pair);
  } else {
    // The service fetches web pages and online documents itself; the simulator does not,
    // and answers with a document that holds the address.
    const std::string text =
        "[" + std::string(LanguageTag(pair.targetLanguage)) + "] " + *tr.sourceUrl;
    std::optional<std::string> standIn = DocumentWithText(text, tr.targetFormat, tr.encoding);
    if (!standIn) return refuse(status::kUnsupportedFormat);
    translation.bytes = std::move(*standIn);
  }

  const ResultIdScript resultIds = script.ResultIds();
  const bool resultIdMode = tr.resultIdAsked || resultIds.always;
  std::string payload =
      resultIdMode && !resultIds.document ? script.NextResultId() : translation.bytes;
  // The client inflates every result of a request that sent its source with 0x400.
  if ((tr.flags & trflags::kCompressAnswer) != 0 && tr.source) {
    payload = DeflateStream(payload);
    zlibAt = kTranslationHeaderSize + (resultIdMode ? kResultIdBlockSize : 0);
  }
  if (resultIdMode) {
    return ResultIdResult(pair.sourceLanguage, pair.targetLanguage, resultIds.document,
                          tr.targetFormat, payload);
  }
  std::optional<std::string> secondPart;
  if ((tr.flags & trflags::kSecondPart) != 0) {
    if (package && (tr.flags & trflags::kPdfToHtml) != 0) {
      secondPart = std::move(package);
    } else {
      secondPart = (tr.flags & trflags::kSentenceAlignment) != 0
                       ? EncodeAlignment(translation.sentences)
                       : std::string();
    }
  }
  return TranslationResult(pair.sourceLanguage, pair.targetLanguage, payload, secondPart);
}

}  // namespace

SimAnswer TranslateText(const SimRequest& request, SimContext& context) {
  const TranslationRequest tr = DecodeTranslationRequest(request);
  if (!tr.refusal.empty()) return MalformedRequest("tr", tr.refusal);
  SimAnswer answer;
  answer.body = AnswerRequest(tr, context.SessionAccount(request), context, answer.zlibAt);
  answer.lengthAt = kTranslationLengthOffset;
  return answer;
}

}  // namespace vorla::sim

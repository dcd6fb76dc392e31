#include "TranslationRequest.h"

#include <array>
#include <charconv>
#include <string_view>

#include "FieldReader.h"
#include "LanguageCodes.h"
#include "ServiceCodes.h"
#include "SharedFields.h"
#include "TranslationFlags.h"
#include "common/CodePages.h"

namespace vorla::sim {

namespace {

constexpr std::array<std::string_view, 20> kFieldOrder = {
    "cmd",        "p",    "pid",       "ver",       "rt",      "trflags",   "actsent",
    "trflagsext", "enc",  "sentype",   "srcformat", "srclan",  "tgtformat", "tgtlan",
    "formating",  "zoom", "actfields", "srcurl",    "frmurls", "srctxt"};

constexpr std::int32_t kProtocolVersion = 6;
constexpr std::int32_t kResultIdMode = 3;
constexpr std::size_t kMostDictionaries = 10;

std::optional<std::vector<std::int32_t>> ParseIdentifiers(std::string_view list) {
  std::vector<std::int32_t> ids;
  while (!list.empty()) {
    const std::string_view id = list.substr(0, list.find(':'));
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), value);
    if (error != std::errc() || end != id.data() + id.size() || std::to_string(value) != id) {
      return std::nullopt;
    }
    ids.push_back(value);
    if (id.size() == list.size()) break;
    list.remove_prefix(id.size() + 1);
    if (list.empty()) return std::nullopt;  // a trailing ":"
  }
  if (ids.size() > kMostDictionaries) return std::nullopt;
  return ids;
}

void ReadActiveDictionaries(FieldReader& fields, TranslationRequest& tr) {
  const std::string* value = fields.Text("actfields");
  if (!value) return;
  const std::size_t separator = value->find(';');
  const auto first = ParseIdentifiers(std::string_view(*value).substr(0, separator));
  const auto second = separator == std::string::npos
                          ? std::nullopt
                          : ParseIdentifiers(std::string_view(*value).substr(separator + 1));
  if (!first || !second || (first->empty() && second->empty())) {
    fields.Refuse("actfields is not two lists of dictionaries: '" + *value + "'");
    return;
  }
  tr.activeDictionaries = {*first, *second};
}

void ReadEncoding(FieldReader& fields, TranslationRequest& tr) {
  const auto encoding = fields.Number("enc");
  if (encoding) {
    if (tr.sourceFormat != format::kPlainText && tr.sourceFormat != format::kHtml) {
      fields.Refuse("enc is sent only with plain text and HTML sources");
    } else if (*encoding == kEncodingWindows1252) {
      fields.Refuse("enc=2 is the default and is never sent");
    } else if (*encoding < 1 || *encoding > kEncodingLast) {
      fields.Refuse("enc=" + std::to_string(*encoding) + " is not an encoding index");
    }
    tr.encoding = *encoding;
  }
  if (tr.sourceFormat != format::kPlainText || !fields.Text("srctxt")) return;
  const bool further = IsFurtherPair(tr.sourceLanguage, tr.targetLanguage);
  if (further && tr.encoding != kEncodingUtf8) {
    fields.Refuse("plain text of a further-language pair comes in UTF-8 (enc=1)");
  } else if (!further && tr.encoding != kEncodingUtf8 && tr.encoding != kEncodingWindows1252 &&
             tr.encoding != kEncodingUtf16Le) {
    fields.Refuse("enc=" + std::to_string(tr.encoding) +
                  " does not fit the English-Finnish-Swedish pairs");
  }
}

void ReadOptionalFields(FieldReader& fields, TranslationRequest& tr) {
  if (const auto mode = fields.Number("rt")) {
    tr.resultIdAsked = true;
    if (*mode != kResultIdMode || !tr.sourceUrl || tr.targetFormat != format::kHtml) {
      fields.Refuse("rt is sent only as 3, for a web page (srcurl and tgtformat 3)");
    }
  }
  tr.flags = ReadFlags(fields, tr.activeSentence);
  tr.extendedFlags = static_cast<std::uint32_t>(fields.Required("trflagsext"));
  if ((tr.extendedFlags & (trflagsext::kLongRequest | trflagsext::kOrdinaryRequest)) == 0) {
    fields.Refuse("trflagsext has neither 0x400 nor 0x800");
  }
  tr.zoom = fields.Number("zoom");
  if (tr.zoom && (tr.sourceFormat != format::kPdf || *tr.zoom <= 0)) {
    fields.Refuse("zoom is sent only for PDF sources and above 0");
  }
  if (tr.frameUrls && !tr.sourceUrl) fields.Refuse("frmurls without srcurl");
}

bool IsSingleWord(std::string_view text, std::int32_t encoding) {
  constexpr std::string_view kTrimmed = "\t\n\r \xA0";
  constexpr std::string_view kSeparators = "\t\n\r !,.:;?|";
  constexpr std::string_view kCp1252Separators = "\x85\x95\xA0\xAB\xB7\xBB";
  const std::size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return false;
  const std::string_view word = text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
  if (word.find_first_of(kSeparators) != std::string_view::npos) return false;
  return encoding != kEncodingWindows1252 ||
         word.find_first_of(kCp1252Separators) == std::string_view::npos;
}

void CheckDictionaryLookup(FieldReader& fields, const TranslationRequest& tr) {
  if ((tr.flags & trflags::kDictionaryLookup) == 0) return;
  if (tr.sourceFormat != format::kPlainText ||
      IsFurtherPair(tr.sourceLanguage, tr.targetLanguage)) {
    fields.Refuse("a dictionary lookup is plain text of a local pair");
  } else if (tr.source && !IsSingleWord(*tr.source, tr.encoding)) {
    fields.Refuse("a dictionary lookup takes one word");
  }
}

}  // namespace

TranslationRequest DecodeTranslationRequest(const SimRequest& request) {
  TranslationRequest tr;
  FieldReader fields(request, kFieldOrder);
  fields.RequiredValue("p", kProtocolVersion);
  fields.Required("pid");
  fields.RequiredText("ver");
  tr.sentenceType = fields.Required("sentype");
  tr.sourceFormat = fields.Required("srcformat");
  tr.sourceLanguage = fields.Required("srclan");
  tr.targetFormat = fields.Required("tgtformat");
  tr.targetLanguage = fields.Required("tgtlan");
  tr.formatting = fields.Required("formating");
  if (const std::string* url = fields.Text("srcurl")) tr.sourceUrl = *url;
  if (const std::string* frames = fields.Text("frmurls")) tr.frameUrls = *frames;
  ReadOptionalFields(fields, tr);
  ReadEncoding(fields, tr);
  ReadActiveDictionaries(fields, tr);

  const bool hasText = fields.Text("srctxt") != nullptr;
  if (hasText == tr.sourceUrl.has_value()) fields.Refuse("one of srctxt and srcurl is sent");
  if ((tr.sourceFormat == format::kPlainText || tr.sourceFormat == format::kRtf) &&
      tr.targetFormat != tr.sourceFormat) {
    fields.Refuse("plain text and RTF ask for a result of their own format");
  }
  const SourceText source = ReadSource(fields, tr.flags);
  tr.source = source.bytes;
  tr.sourceStatus = source.status;
  CheckDictionaryLookup(fields, tr);
  tr.refusal = fields.refusal();
  return tr;
}

}  // namespace vorla::sim

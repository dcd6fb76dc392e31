#include "SharedFields.h"

#include "ServiceCodes.h"
#include "TranslationFlags.h"
#include "ZlibStreams.h"

namespace vorla::sim {

namespace {

// Beyond the longest source any account may send.
constexpr std::size_t kLongestInflatedSource = 100'000'000;

}  // namespace

std::uint32_t ReadFlags(FieldReader& fields, std::optional<std::int32_t>& activeSentence) {
  std::uint32_t flags = 0;
  if (const auto value = fields.Number("trflags")) {
    flags = static_cast<std::uint32_t>(*value);
    if (flags == 0) fields.Refuse("trflags=0 is never sent");
  }
  activeSentence = fields.Number("actsent");
  if (activeSentence && (*activeSentence < 0 || (flags & trflags::kActiveSentence) == 0)) {
    fields.Refuse("actsent is sent only with trflags 0x2 and never below 0");
  }
  return flags;
}

SourceText ReadSource(FieldReader& fields, std::uint32_t flags) {
  SourceText source;
  const std::string* text = fields.Text("srctxt");
  const bool compressed = (flags & trflags::kCompressedSource) != 0;
  const bool answerCompressed = (flags & trflags::kCompressAnswer) != 0;
  if (compressed && !answerCompressed) fields.Refuse("trflags has 0x800 without 0x400");
  if (compressed && !text) fields.Refuse("trflags has 0x800 but there is no srctxt");
  if (text && answerCompressed && !compressed) {
    fields.Refuse("trflags has 0x400 without 0x800: the source was not compressed");
  }
  if (!text || !fields.ok()) return source;
  if (!compressed) {
    source.bytes = *text;
    return source;
  }
  source.bytes = InflateStream(*text, kLongestInflatedSource);
  if (!source.bytes) source.status = status::kInvalidSource;
  return source;
}

}  // namespace vorla::sim

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SimRequest.h"

namespace vorla::sim {

// A `cmd=tr` request as the service reads it. A test reads back what its client sent with
// DecodeTranslationRequest(simulator.Requests().back()), the source already inflated.
struct TranslationRequest {
  // A protocol break, answered with HTTP 400 and this reason; empty for a good request.
  std::string refusal;
  // 5 when the compressed source does not inflate.
  std::int32_t sourceStatus = 0;

  std::uint32_t flags = 0;          // trflags
  std::uint32_t extendedFlags = 0;  // trflagsext
  std::int32_t encoding = 2;        // enc; 2 (Windows-1252) when not sent
  std::int32_t sentenceType = 0;
  std::int32_t sourceFormat = 0;
  std::int32_t targetFormat = 0;
  std::int32_t sourceLanguage = 0;
  std::int32_t targetLanguage = 0;
  std::int32_t formatting = 0;
  std::optional<std::int32_t> activeSentence;
  std::optional<std::int32_t> zoom;
  bool resultIdAsked = false;  // rt=3
  // The active dictionaries: English to Finnish, then Finnish to English.
  std::array<std::vector<std::int32_t>, 2> activeDictionaries;
  std::optional<std::string> source;  // srctxt, inflated
  std::optional<std::string> sourceUrl;
  std::optional<std::string> frameUrls;
};

// Decodes and checks a `tr` request: the fields in the client's order, each at most once,
// numbers as "%d" writes them, and the rules between them:
// - required: cmd, p (6), pid, ver, trflagsext (with 0x400 or 0x800), sentype, srcformat,
//   srclan, tgtformat, tgtlan, formating, and srctxt or srcurl (not both);
// - trflags is sent only when not 0; actsent only with trflags 0x2 and never below 0;
//   zoom only for PDF (srcformat 5) and above 0; rt only as 3 for a web page (srcurl,
//   tgtformat 3); frmurls only with srcurl;
// - enc only with plain text or HTML (srcformat 1 or 3), never as 2 (the default) and only
//   as an encoding index 1 to 33; plain text of a further-language pair comes in UTF-8
//   (enc=1), plain text of a local pair in Windows-1252, UTF-8 or UTF-16 (no enc, 1, 32);
// - actfields is two lists of at most 10 numbers, ":" within a list and one ";" between
//   them, not both empty;
// - plain text and RTF sources ask for a result of their own format;
// - 0x800 (compressed source) only with 0x400 and a source; 0x400 with a source only with
//   0x800;
// - a dictionary lookup (0x200000) is plain text of a local pair and one word.
TranslationRequest DecodeTranslationRequest(const SimRequest& request);

}  // namespace vorla::sim

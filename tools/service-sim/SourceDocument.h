#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "SentenceAlignment.h"
#include "TextTranslator.h"
#include "TranslationRequest.h"
#include "documents/rtf/RichDocument.h"

namespace vorla::sim {

struct Translation {
  std::string bytes;  // in the source's encoding, or RTF
  std::vector<AlignedSentence> sentences;
};

// The plain-text or RTF source of a `tr` request, read for translation. Plain text comes in
// the request's encoding and is answered in it; its paragraphs end at CR LF, CR or LF,
// which stay as they are. RTF is read with the core's reader (as UTF-8 for a
// further-language pair) and written anew with the translated text in the same runs, so
// that formatting, pictures and links stay.
class SourceDocument {
 public:
  explicit SourceDocument(const TranslationRequest& request);

  // The text as UTF-8, one line feed for each paragraph break.
  const std::string& text() const { return text_; }
  Translation Translate(const WordMode& mode) const;

 private:
  Translation TranslatePlainText(const WordMode& mode) const;
  Translation TranslateRtf(const WordMode& mode) const;

  bool rtf_ = false;
  bool utf8Rtf_ = false;
  std::int32_t encoding_ = 2;
  std::string text_;
  RichDocument document_;
};

}  // namespace vorla::sim

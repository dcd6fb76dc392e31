#include "SourceDocument.h"

#include <algorithm>

#include "JobEncoding.h"
#include "LanguageCodes.h"
#include "ServiceCodes.h"
#include "common/CodePages.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"

namespace vorla::sim {

SourceDocument::SourceDocument(const TranslationRequest& request)
    : rtf_(request.sourceFormat == format::kRtf),
      utf8Rtf_(IsFurtherPair(request.sourceLanguage, request.targetLanguage)),
      encoding_(request.encoding) {
  const std::string& source = request.source.value();
  if (!rtf_) {
    text_ = JobTextToUtf8(source, encoding_);
    return;
  }
  document_ = RtfReader({.streamCodePage = utf8Rtf_ ? kCodePageUtf8 : 0}).Read(source);
  text_ = PaneText(document_, StreamEncoding::Utf8);
}

Translation SourceDocument::Translate(const WordMode& mode) const {
  return rtf_ ? TranslateRtf(mode) : TranslatePlainText(mode);
}

Translation SourceDocument::TranslatePlainText(const WordMode& mode) const {
  TextTranslator translator(mode);
  std::string out;
  std::string_view rest = text_;
  for (;;) {
    const std::size_t end = std::min(rest.find_first_of("\r\n"), rest.size());
    out += translator.Translate(rest.substr(0, end));
    translator.EndParagraph();
    if (end == rest.size()) break;
    const std::size_t breakLength = rest.substr(end).starts_with("\r\n") ? 2 : 1;
    out += rest.substr(end, breakLength);
    rest.remove_prefix(end + breakLength);
  }
  return {Utf8ToJobText(out, encoding_), translator.sentences()};
}

Translation SourceDocument::TranslateRtf(const WordMode& mode) const {
  RichDocument translated = document_;
  TextTranslator translator(mode);
  translated.paragraphs.Edit([&translator](Paragraph& paragraph) {
    for (InlineItem& item : paragraph.items) {
      if (auto* run = std::get_if<TextRun>(&item)) {
        run->text = translator.Translate(run->text);
      } else {
        translator.CountObject();
      }
    }
    translator.EndParagraph();
  });
  const RtfWriteOptions options{.encoding =
                                    utf8Rtf_ ? StreamEncoding::Utf8 : StreamEncoding::Windows1252};
  return {RtfWriter(options).Write(translated), translator.sentences()};
}

}  // namespace vorla::sim

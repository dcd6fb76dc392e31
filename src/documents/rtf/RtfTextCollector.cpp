#include "documents/rtf/RtfTextCollector.h"

#include "common/Utf8.h"
#include "documents/rtf/RichDocument.h"
#include "documents/rtf/RtfCodePages.h"

namespace vorla {

namespace {

bool IsHighSurrogate(std::uint16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(std::uint16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

void RtfTextCollector::AddBytes(std::string_view bytes, int codePage) {
  DropLoneSurrogate();
  if (codePage != bytesCodePage_) DecodeBytes();
  bytesCodePage_ = codePage;
  bytes_.append(bytes);
}

void RtfTextCollector::AddCodeUnit(std::uint16_t unit) {
  if (IsLowSurrogate(unit) && highSurrogate_ != 0) {
    AppendUtf8(text_, 0x10000 + ((char32_t{highSurrogate_} - 0xD800) << 10) + (unit - 0xDC00));
    highSurrogate_ = 0;
  } else if (IsHighSurrogate(unit)) {
    DropLoneSurrogate();
    DecodeBytes();
    highSurrogate_ = unit;
  } else {
    AddCharacter(unit);
  }
}

void RtfTextCollector::AddCharacter(char32_t c) {
  DropLoneSurrogate();
  DecodeBytes();
  if (IsDocumentCharacter(c)) AppendUtf8(text_, c);  // a lone low surrogate becomes U+FFFD
}

std::string_view RtfTextCollector::Text() {
  DropLoneSurrogate();
  DecodeBytes();
  return text_;
}

void RtfTextCollector::Clear() {
  text_.clear();
  bytes_.clear();
  highSurrogate_ = 0;
}

void RtfTextCollector::DecodeBytes() {
  if (bytes_.empty()) return;
  AppendDocumentText(text_, DecodeCodePage(bytes_, bytesCodePage_));
  bytes_.clear();
}

void RtfTextCollector::DropLoneSurrogate() {
  if (highSurrogate_ == 0) return;
  highSurrogate_ = 0;
  AppendUtf8(text_, kReplacementCharacter);
}

}  // namespace vorla

#include "platform/SofficeWordConverter.h"

#include "common/Utf8.h"
#include "translation/DocumentFormat.h"

namespace vorla {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The extension and the soffice export filter of a Word format; nothing for other formats.
std::optional<SofficeFilter> WordExport(int format) {
  if (format == kFormatDoc) return SofficeFilter{"rtf", "doc:MS Word 97", "doc"};
  if (format == kFormatDocx) return SofficeFilter{"rtf", "docx:MS Word 2007 XML", "docx"};
  return std::nullopt;
}

std::string_view WordExtension(int format) {
  return WordExport(format)->toExtension;
}

SofficeFilter ImportFilter(int format, WordResult wanted) {
  if (wanted == WordResult::kRtf) return {WordExtension(format), "rtf:Rich Text Format", "rtf"};
  return {WordExtension(format), "txt:Text (encoded):UTF8", "txt"};
}

// UTF-8 text, with or without a byte-order mark, as UTF-16 little-endian bytes.
std::string Utf16LittleEndian(std::string_view utf8) {
  if (utf8.starts_with(kUtf8Bom)) utf8.remove_prefix(kUtf8Bom.size());
  const std::u16string text = Utf8ToUtf16(utf8);
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

}  // namespace

SofficeWordConverter::SofficeWordConverter(SofficeConverter::Options options)
    : converter_(std::move(options)) {}

bool SofficeWordConverter::IsAvailable() {
  return converter_.IsAvailable();
}

std::optional<std::string> SofficeWordConverter::ConvertFromWord(std::string_view document,
                                                                 int format, WordResult wanted) {
  if (!WordExport(format)) return std::nullopt;
  std::optional<std::string> converted = converter_.Convert(document, ImportFilter(format, wanted));
  if (!converted || wanted == WordResult::kRtf) return converted;
  return Utf16LittleEndian(*converted);
}

std::optional<std::string> SofficeWordConverter::ConvertToWord(std::string_view rtf, int format) {
  const std::optional<SofficeFilter> filter = WordExport(format);
  if (!filter) return std::nullopt;
  return converter_.Convert(rtf, *filter);
}

}  // namespace vorla

#include "cli/TranslationInput.h"

#include <iostream>
#include <iterator>

#include "common/CodePages.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"

namespace vorla::cli {

std::string ReadTranslationInput(const std::optional<std::string>& argument) {
  if (argument && *argument != "-") return *argument;
  return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
}

RichDocument InputDocument(std::string_view input, bool rtf) {
  if (!rtf) return DocumentFromPlainText(input, StreamEncoding::Utf8);
  RtfReadOptions options;
  // Raw 8-bit text in the RTF is UTF-8, like everything the command line reads.
  options.streamCodePage = kCodePageUtf8;
  return RtfReader(options).Read(input);
}

}  // namespace vorla::cli

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/CodePages.h"
#include "common/Utf8.h"
#include "documents/rtf/DocumentTruncation.h"
#include "documents/rtf/PlainText.h"
#include "documents/rtf/RtfReader.h"
#include "documents/rtf/RtfWriter.h"

namespace {

using namespace vorla;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::size_t CountCharacters(std::string_view utf8) {
  std::size_t count = 0;
  for (Utf8Decoder decoder(utf8); !decoder.AtEnd(); decoder.Next())
    ++count;
  return count;
}

// Whatever a pane holds must survive being written in either form and read again, and its
// pane text must have as many characters in Windows-1252 as in UTF-8.
void CheckDocument(const RichDocument& document) {
  for (const StreamEncoding encoding : {StreamEncoding::Windows1252, StreamEncoding::Utf8}) {
    Require(RtfReader().Read(RtfWriter({.encoding = encoding}).Write(document)) == document);
  }
  Require(PaneText(document, StreamEncoding::Windows1252).size() ==
          CountCharacters(PaneText(document, StreamEncoding::Utf8)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const RichDocument document = RtfReader().Read(input);
  CheckDocument(document);
  CheckDocument(RtfReader({.keepObjects = false, .streamCodePage = kCodePageUtf8}).Read(input));

  // A pane's limit applied while reading keeps what cutting the whole document keeps.
  const std::size_t limit = size % 97;
  RichDocument cut = document;
  TruncateDocument(cut, limit);
  Require(RtfReader({.maxCharacters = limit}).Read(input) == cut);

  // Removing the formatting once more changes nothing.
  const std::string text =
      FileText(DocumentFromPlainText(input, StreamEncoding::Utf8), StreamEncoding::Utf8);
  Require(FileText(DocumentFromPlainText(text, StreamEncoding::Utf8), StreamEncoding::Utf8) ==
          text);
  return 0;
}

#pragma once

#include <string>

#include "documents/rtf/RichDocument.h"
#include "documents/rtf/StreamEncoding.h"

namespace vorla {

struct RtfWriteOptions {
  // Windows-1252: \'hh for the code page's bytes above 0x7F and \uN for other characters.
  // UTF-8: the text as it is, declared as code page 65001 (the further-language form).
  StreamEncoding encoding = StreamEncoding::Windows1252;
  // Without objects the formatting stays and pictures and embedded objects are left out;
  // that is the form sent to the service.
  bool withObjects = true;
};

// Writes a document as RTF that other programs read.
class RtfWriter {
 public:
  explicit RtfWriter(RtfWriteOptions options = {}) : options_(options) {}

  std::string Write(const RichDocument& document) const;

 private:
  RtfWriteOptions options_;
};

}  // namespace vorla

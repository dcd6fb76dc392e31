#include "documents/rtf/RtfReader.h"

#include "documents/rtf/RtfParser.h"

namespace vorla {

RichDocument RtfReader::Read(std::string_view rtf) const {
  return RtfParser(rtf, options_).Parse();
}

}  // namespace vorla

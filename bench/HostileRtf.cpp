#include "HostileRtf.h"

namespace vorla::bench {

std::string HostileRtf(std::string_view fontName, std::string_view linkTarget,
                       std::size_t switches) {
  std::string rtf = R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil )";
  rtf += fontName;
  rtf += R"(;}}\pard\f0 {\field{\*\fldinst HYPERLINK ")";
  rtf += linkTarget;
  rtf += R"("}{\fldrslt )";
  for (std::size_t i = 0; i < switches; ++i)
    rtf += i % 2 == 0 ? "\\b word " : "\\b0 word ";
  rtf += "}}\\par}";
  return rtf;
}

std::string HostileRtf() {
  return HostileRtf(std::string(5000, 'F'), "https://example.com/" + std::string(4980, 'l'), 20000);
}

std::string RepeatedPieceRtf(std::string_view piece, std::size_t bytes) {
  std::string rtf = "{\\rtf1 ";
  rtf.reserve(bytes + piece.size() + 1);
  while (rtf.size() < bytes)
    rtf += piece;
  rtf += "}";
  return rtf;
}

}  // namespace vorla::bench

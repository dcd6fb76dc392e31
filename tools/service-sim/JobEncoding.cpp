#include "JobEncoding.h"

#include "common/CodePages.h"
#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace vorla::sim {

std::string JobTextToUtf8(std::string_view bytes, std::int32_t encoding) {
  return CodePageToUtf8(CodePageOfEncoding(encoding), bytes).value_or(std::string(bytes));
}

std::string Utf8ToJobText(std::string_view utf8, std::int32_t encoding) {
  return Utf8ToCodePage(CodePageOfEncoding(encoding), utf8).value_or(std::string(utf8));
}

std::string GuessedUtf8(std::string_view bytes) {
  for (Utf8Decoder decoder(bytes); !decoder.AtEnd();) {
    if (!decoder.Next()) return Cp1252ToUtf8(bytes);
  }
  return std::string(bytes);
}

}  // namespace vorla::sim

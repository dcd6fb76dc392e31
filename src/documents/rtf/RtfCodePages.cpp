#include "documents/rtf/RtfCodePages.h"

#include <array>
#include <utility>

#include "common/CodePages.h"
#include "common/Windows1252.h"

namespace vorla {

int CodePageOfRtfCharset(int charset) {
  // The symbol set (2) keeps its bytes as Windows-1252, as the panes show them.
  static constexpr std::array<std::pair<int, int>, 20> kCharsets = {{
      {0, 1252},   {2, 1252},   {77, 10000}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},
      {136, 950},  {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
      {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 437},  {89, 10007},
  }};
  for (const auto& [set, codePage] : kCharsets) {
    if (set == charset) return codePage;
  }
  return 0;
}

std::string DecodeCodePage(std::string_view bytes, int codePage) {
  std::optional<std::string> text = CodePageToUtf8(codePage, bytes);
  return text ? std::move(*text) : Cp1252ToUtf8(bytes);
}

}  // namespace vorla

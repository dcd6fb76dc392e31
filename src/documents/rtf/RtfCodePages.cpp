#include "documents/rtf/RtfCodePages.h"

#include <array>
#include <utility>

#include "common/CodePages.h"
#include "common/Windows1252.h"
#include "documents/rtf/JohabText.h"
#include "documents/rtf/RtfSymbolFont.h"

namespace vorla {

int CodePageOfRtfCharset(int charset) {
  static constexpr std::array<std::pair<int, int>, 20> kCharsets = {{
      {0, 1252},   {2, kCodePageSymbol}, {77, 10000},
      {128, 932},  {129, 949},           {130, kCodePageJohab},
      {134, 936},  {136, 950},           {161, 1253},
      {162, 1254}, {163, 1258},          {177, 1255},
      {178, 1256}, {186, 1257},          {204, 1251},
      {222, 874},  {238, 1250},          {254, 437},
      {255, 437},  {89, 10007},
  }};
  for (const auto& [set, codePage] : kCharsets) {
    if (set == charset) return codePage;
  }
  return 0;
}

std::string DecodeCodePage(std::string_view bytes, int codePage) {
  // The code pages documents name that no encoding index has, by their converters.
  static constexpr std::array<std::pair<int, const char*>, 4> kDocumentCodePages = {
      {{437, "ibm-437"}, {850, "ibm-850"}, {10000, "macintosh"}, {10007, "x-mac-cyrillic"}}};
  if (codePage == kCodePageSymbol) return DecodeSymbolFont(bytes);
  if (codePage == kCodePageJohab) return DecodeJohab(bytes);
  std::optional<std::string> text;
  for (const auto& [page, converter] : kDocumentCodePages) {
    if (page == codePage) text = ConverterToUtf8(converter, bytes);
  }
  if (!text) text = CodePageToUtf8(codePage, bytes);
  return text ? std::move(*text) : Cp1252ToUtf8(bytes);
}

}  // namespace vorla

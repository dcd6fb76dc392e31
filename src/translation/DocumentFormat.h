#pragma once

#include <string_view>

namespace vorla {

// Document format codes of a job's source and result (`srcformat`, `tgtformat`).
inline constexpr int kFormatUnknown = 0;
inline constexpr int kFormatTxt = 1;
inline constexpr int kFormatRtf = 2;
inline constexpr int kFormatHtml = 3;
inline constexpr int kFormatDoc = 4;
inline constexpr int kFormatPdf = 5;
inline constexpr int kFormatCsv = 6;
inline constexpr int kFormatOdt = 7;
inline constexpr int kFormatXml = 8;
inline constexpr int kFormatPpt = 9;
inline constexpr int kFormatOdp = 10;
inline constexpr int kFormatXls = 11;
inline constexpr int kFormatOds = 12;
inline constexpr int kFormatDocx = 13;
inline constexpr int kFormatPptx = 14;
inline constexpr int kFormatXlsx = 15;
inline constexpr int kFormatLnk = 17;
inline constexpr int kFormatTmx = 100;

// Word, PowerPoint and Excel binary documents (4, 9, 11): long requests, never repeated.
bool IsBinaryOfficeFormat(int format);

// The format of a file extension (without the dot), compared without regard to case;
// 0 when it is not known.
int FormatOfExtension(std::string_view extension);
// The format of a file name or path by its extension; 0 for a name without one.
int FormatOfFileName(std::string_view name);
// The extension of a format ("txt" to "xlsx", "lnk", "tmx"); empty for any other code.
std::string_view ExtensionOfFormat(int format);

}  // namespace vorla

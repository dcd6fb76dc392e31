#pragma once

namespace vorla {

// The dictionary error codes that the exchange files report (0 is success).
namespace dict_error {
inline constexpr int kInvalidContent = -1;  // content that breaks the format's rules
inline constexpr int kCannotRead = -5;      // a file that cannot be opened or read
inline constexpr int kConversion = -8;      // a workbook that could not be made
inline constexpr int kLimit = -14;          // the entry limit, or a part above the size limit
inline constexpr int kOtherKind = -22;      // a merge into a dictionary of another kind
}  // namespace dict_error

}  // namespace vorla

#pragma once

#include <string_view>

namespace vorla::workbook_part {

// The two parts a conversion writes and reads; the other parts of the template stay.
inline constexpr std::string_view kWorksheet = "xl/worksheets/sheet1.xml";
inline constexpr std::string_view kSharedStrings = "xl/sharedStrings.xml";

}  // namespace vorla::workbook_part

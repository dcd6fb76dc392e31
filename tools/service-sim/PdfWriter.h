#pragma once

#include <string>
#include <string_view>

namespace vorla::sim {

// A small, valid PDF that shows the text (UTF-8; a line feed ends each line, carriage returns
// and form feeds are left out) in Helvetica with Windows-1252 letters, 50 lines a page; long
// lines are wrapped at blanks.
std::string TextPdf(std::string_view text);

}  // namespace vorla::sim

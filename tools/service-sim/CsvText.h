#pragma once

#include <string>
#include <string_view>

#include "TextTranslator.h"

namespace vorla::sim {

// CSV (UTF-8) with the text of each cell translated; separators (",", ";", tab), quotes and
// line ends stay where they are. Each line is a paragraph.
std::string TranslateCsvCells(std::string_view csv, TextTranslator& translator);

}  // namespace vorla::sim

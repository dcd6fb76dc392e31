#include "cli/CliSourcePane.h"

#include <algorithm>

namespace vorla::cli {

bool CliSourcePane::IsEmpty() {
  return std::ranges::all_of(content_.paragraphs,
                             [](const Paragraph& paragraph) { return paragraph.items.empty(); });
}

}  // namespace vorla::cli

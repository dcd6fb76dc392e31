#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorla {

struct WorkbookTemplatePart {
  std::string_view name;
  std::string_view text;
};

// The parts of the workbook template (src/office/template, built into the program).
const std::vector<WorkbookTemplatePart>& WorkbookTemplateParts();

// The template as a zip archive, made on first use (once, whichever thread comes first)
// and kept for the run; empty when it could not be made.
const std::string& WorkbookTemplateArchive();

}  // namespace vorla

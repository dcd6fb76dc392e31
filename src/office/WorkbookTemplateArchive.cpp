#include "office/WorkbookTemplate.h"
#include "office/ZipMemory.h"

namespace vorla {

const std::string& WorkbookTemplateArchive() {
  static const std::string archive = [] {
    std::string bytes;
    ZipWriter writer(bytes);
    for (const WorkbookTemplatePart& part : WorkbookTemplateParts()) {
      writer.AddDeflated(part.name, part.text);
    }
    if (!writer.Close()) bytes.clear();
    return bytes;
  }();
  return archive;
}

}  // namespace vorla

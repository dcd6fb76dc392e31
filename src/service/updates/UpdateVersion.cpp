#include "service/updates/UpdateVersion.h"

#include <algorithm>

namespace vorla {

bool IsNewerVersion(const ProgramVersion& offered, const ProgramVersion& current) {
  return std::ranges::lexicographical_compare(current, offered);
}

std::string VersionText(const ProgramVersion& version) {
  const std::size_t parts = version[3] == 0 ? 3 : 4;
  std::string text;
  for (std::size_t i = 0; i < parts; ++i) {
    if (i > 0) text += '.';
    text += std::to_string(version[i]);
  }
  return text;
}

}  // namespace vorla

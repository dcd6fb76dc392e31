#pragma once

#include <string>

#include "config/Config.h"

namespace vorla {

// Whether the offered version is newer: greater at the first of major, minor, build and
// revision that differs, each an unsigned number (so 3.1.10 is newer than 3.1.2).
bool IsNewerVersion(const ProgramVersion& offered, const ProgramVersion& current);

// "3.1.2.5", or "3.1.2" when the revision is 0.
std::string VersionText(const ProgramVersion& version);

}  // namespace vorla

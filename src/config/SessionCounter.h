#pragma once

#include "config/Settings.h"

namespace vorla {

// Counts one start of a program: "SesInf1" increased by one and written back. The result is
// the session number of this run, which redirect links and update requests send as `l` and
// which names the session dictionary. Every program calls this once at start.
int CountProgramStart(Settings& settings);

}  // namespace vorla

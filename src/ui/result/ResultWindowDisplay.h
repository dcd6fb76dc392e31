#pragma once

#include "translation/JobDisplay.h"

namespace vorla {

class CResultWnd;

// The display of a result-window job: every report of its worker is queued to the window
// thread and dropped there when the window has closed or the job was cancelled meanwhile.
JobDisplay MakeResultWindowDisplay(CResultWnd* window);

}  // namespace vorla

#pragma once

#include "translation/JobDisplay.h"

namespace vorla {

class ProgressDialog;

// The display of a document job: every report of its worker is queued to the window thread
// and dropped there when the dialog has closed or the job may no longer show. The status
// path and the failure go to the dialog's status line; the result's arrival enables saving
// and opens it.
JobDisplay MakeProgressDialogDisplay(ProgressDialog* dialog);

}  // namespace vorla

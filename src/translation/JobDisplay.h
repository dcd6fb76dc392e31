#pragma once

#include "common/RefPtr.h"
#include "translation/DeliverySink.h"
#include "translation/ProgressSink.h"

namespace vorla {

// Where one job reports: its progress and failure, and its result.
struct JobDisplay {
  RefPtr<IProgressSink> progress;
  RefPtr<IDeliverySink> delivery;
};

}  // namespace vorla

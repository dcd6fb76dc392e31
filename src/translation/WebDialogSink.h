#pragma once

#include "translation/ProgressSink.h"

namespace vorla {

// Where a web job reports: the web dialog's status text (`ShowStatus`, `ShowFailure`; a
// failure also ends the job there) and the end of a successful job, after which the dialog
// is ready for the next address. Called on the job's worker thread like every progress sink.
class IWebDialogSink : public IProgressSink {
 public:
  using Parent = IProgressSink;
  static constexpr InterfaceId kIid = MakeInterfaceId("B7C94E12-3A6D-4F0B-9E25-81D4C6A3F7E9");

  virtual void JobEnded(const JobIdentity& job) = 0;

 protected:
  ~IWebDialogSink() override = default;
};

}  // namespace vorla

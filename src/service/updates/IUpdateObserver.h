#pragma once

#include "common/Unknown.h"

namespace vorla {

class CApplUpdateInfo;

// Told about the end of an update: the program closes once the installer has started, so
// that the installer can replace it.
class IUpdateObserver : public IUnknown {
 public:
  using Parent = IUnknown;
  static constexpr InterfaceId kIid = MakeInterfaceId("6A0C2F51-9E7B-4C3D-8B14-3F5D0E27A961");

  // Right after the installer was handed to the desktop.
  virtual void OnInstallerStarted(CApplUpdateInfo& update) = 0;
  // When the update window has been closed.
  virtual void OnUpdateWindowClosed(CApplUpdateInfo& update) = 0;

 protected:
  ~IUpdateObserver() override = default;
};

}  // namespace vorla

#pragma once

#include <array>

#include "config/Settings.h"
#include "documents/files/DocumentTypes.h"

namespace vorla {

// The filter each file dialog showed last (1-based, as the dialogs report it), kept for the
// run: the open and translate dialogs start at 0 and also write their choice to the settings
// ("curfilter", "curfiletrfilter"; never read back), the pane save dialog starts at 2.
class FilterMemory {
 public:
  explicit FilterMemory(Settings& settings) : settings_(settings) {}

  // The filter a dialog of this kind shows first, among `count` filters: an open dialog's
  // first for an index of 0 or less, a save dialog's last for an index outside 1 to count.
  int InitialFilter(FileDialogKind kind, int count) const;
  // The index the user chose; one below 0 (a cancelled dialog) is not kept.
  void Remember(FileDialogKind kind, int index);

 private:
  Settings& settings_;
  // By FileDialogKind.
  std::array<int, 3> indexes_{0, 0, 2};
};

}  // namespace vorla

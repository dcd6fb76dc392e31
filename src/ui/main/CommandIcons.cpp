#include "ui/main/CommandIcons.h"

#include "ui/main/CommandIds.h"

namespace vorla {

std::span<const CommandIcon> CommandIcons() {
  static constexpr CommandIcon kIcons[] = {
      {kCmdPrintTranslation, "document-print"},
      {kCmdPrintSourceText, "document-print"},
      {kCmdClose, "application-exit"},
      {kCmdUndo, "edit-undo"},
      {kCmdCut, "edit-cut"},
      {kCmdCopy, "edit-copy"},
      {kCmdPaste, "edit-paste"},
      {kCmdSelectAll, "edit-select-all"},
      {kCmdDelete, "edit-delete"},
      {kCmdClear, "edit-clear"},
      {kCmdFind, "edit-find"},
      {kCmdTranslate, "media-playback-start"},
      {kCmdCancelTranslation, "process-stop"},
      {kCmdUserGuide, "help-contents"},
      {kCmdAbout, "help-about"},
  };
  return kIcons;
}

}  // namespace vorla

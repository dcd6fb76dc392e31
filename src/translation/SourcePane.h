#pragma once

#include "documents/rtf/RichDocument.h"

namespace vorla {

// The main window's source pane as the Translate command reads it (the command line has one
// of its own for the text it was given). Called on the window thread.
class SourcePane {
 public:
  virtual ~SourcePane() = default;

  virtual bool IsEmpty() = 0;
  // Whether only the selection is to be translated: the keyboard focus is in the pane, the
  // selection is not empty, a selection under 200 characters holds more than blanks and
  // control characters, and speech is not reading the pane (the panes' SelectionIsSource).
  virtual bool HasSelection() = 0;
  virtual RichDocument Content(bool selectionOnly) = 0;
  // Pictures and embedded objects are never sent; the pane drops them too, so that the
  // positions of the sentence alignment keep matching its text.
  virtual void RemoveObjects() = 0;
  // Links are sent as plain text; the pane drops their link formatting as well, keeping its
  // scroll position.
  virtual void RemoveLinkFormatting() = 0;
};

}  // namespace vorla

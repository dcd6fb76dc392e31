#pragma once

#include <string>

#include "ui/panes/TextPane.h"

namespace vorla {

// The rules of a pane alone by which a translation takes its source from the source pane.

// Whether the pane's selection is what is translated: the pane has the keyboard focus and a
// selection, and a selection under 200 characters holds more than blanks and control
// characters.
bool SelectionIsSource(const TextPane& pane);

// The RTF sent for the pane (or its selection): without pictures and embedded objects, and
// without hyperlinks, which are first removed from the whole pane (the text and its other
// formatting stay, and so does the scroll position).
std::string TakeSourceRtf(TextPane& pane, int codePage, PaneRange range);

// What a translation leaves out of the RTF it sends is taken out of the pane as well, so
// that the positions of the sentence alignment match the pane's text. Both keep the
// pane's scroll position.
// Drops the link formatting of every hyperlink; the text and its other formatting stay.
void RemoveLinks(TextPane& pane);
// Drops the pictures and embedded objects.
void RemoveObjects(TextPane& pane);

}  // namespace vorla

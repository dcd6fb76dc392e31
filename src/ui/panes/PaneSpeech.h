#pragma once

#include <cstddef>

#include "speech/SpeechWindow.h"

namespace vorla {

class TextPane;

// The pane's text as speech reads it, from the selection's start when there is one.
PaneSpeechText SpeechTextOf(const TextPane& pane);
// Selects the word being spoken (UTF-16 positions) and scrolls it into view.
void SelectSpokenWord(TextPane& pane, std::size_t start, std::size_t length);

}  // namespace vorla

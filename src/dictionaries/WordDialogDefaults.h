#pragma once

#include "dictionaries/VocabularyEntry.h"

namespace vorla {

// The attributes the word dialog gives an accepted term when its further controls are left
// as they open: SubCat 1 (transitive) for a verb and none for other classes, no plural
// Number, no semantic actor, no inflection or gradation, and TgtTr 1.
void ApplyWordDialogDefaults(VocabularyEntry& term);

}  // namespace vorla

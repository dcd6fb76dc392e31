#pragma once

#include "common/Bilingual.h"

namespace vorla {

inline constexpr BilingualText kProgressDialogTitle{"Translate File", "Käännä tiedosto"};
inline constexpr BilingualText kProgressDocumentLabel{"Document:", "Tiedosto:"};
inline constexpr BilingualText kSaveTranslationButton{"Save translation...", "Tallenna käännös..."};
// The job is still running: the button stops it.
inline constexpr BilingualText kProgressCancelButton{"Cancel", "Keskeytä"};

}  // namespace vorla

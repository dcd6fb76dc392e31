#pragma once

#include "common/Bilingual.h"

namespace vorla {

// The speech commands that the main window and the result windows share.
inline constexpr BilingualText kListenToTranslationText{"Listen to translation",
                                                        "Kuuntele käännös"};
inline constexpr BilingualText kStopSpeechText{"Stop speech", "Keskeytä kuuntelu"};

}  // namespace vorla

#pragma once

#include "common/Bilingual.h"

namespace vorla {

// Texts that several dialogs show.
inline constexpr BilingualText kUserNameLabel{"Username:", "Käyttäjätunnus:"};
inline constexpr BilingualText kCancelText{"Cancel", "Peruuta"};
inline constexpr BilingualText kCloseText{"Close", "Sulje"};
inline constexpr BilingualText kChangePasswordText{"Change password", "Vaihda salasana"};

}  // namespace vorla

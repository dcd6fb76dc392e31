#pragma once

#include <optional>

#include "common/Bilingual.h"

namespace vorla {

// The status text of a login result: none for 0, "Login failed" with the reason otherwise.
std::optional<BilingualText> LoginStatusText(int result);

// The heading of the login prompt: the request for a name and a password on the first
// attempt, then the reason the last attempt failed.
BilingualText LoginPromptText(std::optional<int> lastResult);

// Shown while a login runs.
inline constexpr BilingualText kLoggingInText{"Logging in... please wait",
                                              "Kirjaudutaan sisään... odota hetki"};

}  // namespace vorla

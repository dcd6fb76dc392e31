#pragma once

namespace vorla {

// The user-interface language; every bilingual text of the client is chosen by it.
// The values are those stored in "defuilan".
enum class UiLanguage : int { English = 0, Finnish = 1 };

}  // namespace vorla

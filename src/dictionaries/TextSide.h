#pragma once

namespace vorla {

// Which text of an entry a check is about; the values are those the importers pass.
enum class TextSide { Translation = 0, Source = 1 };

}  // namespace vorla

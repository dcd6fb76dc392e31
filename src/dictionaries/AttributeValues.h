#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/Bilingual.h"

namespace vorla {

// The engine's name of an attribute value, as the XML exchange writes it: "???" for a value
// outside the attribute's table; TgtAdjAttr and TgtTr values are plain numbers.
std::string AttributeValueName(int code, int value);

// The value that a name has in the attribute's table (exact comparison), or nothing.
std::optional<int> FindAttributeValue(int code, std::string_view name);

// The name shown to the user for a value; both texts are empty when the value has none.
// SubCat names depend on the word class scat of the entry.
BilingualText AttributeDisplayName(int code, int value, int scat);

}  // namespace vorla

#pragma once

#include <string_view>

#include "config/Settings.h"

namespace vorla {

// The process-wide number that names the working copies of workbook conversions, stored in
// "xlsxconvuid" between runs and guarded by one lock.
namespace workbook_counter {
inline constexpr std::string_view kSettingsValue = "xlsxconvuid";

// Takes the stored number at start; a missing one, or one outside 1..2000000000, is 1.
void Load(const Settings& settings);
// Writes the number back at exit when conversions changed it.
void Save(Settings& settings);
// The number for the next attempt to name a working copy.
int Next();
}  // namespace workbook_counter

}  // namespace vorla

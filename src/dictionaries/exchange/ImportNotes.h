#pragma once

#include <cstdint>

namespace vorla {

// What an importer passed over or changed, as bits; the import turns them into notes.
namespace import_note {
inline constexpr std::uint32_t kInvalidEntry = 0x1;
inline constexpr std::uint32_t kEntryRefused = 0x2;  // CreateEntry refused a table row; no note
inline constexpr std::uint32_t kTooLong = 0x4;
inline constexpr std::uint32_t kFixedPhrase = 0x8;
inline constexpr std::uint32_t kWordClass = 0x10;
inline constexpr std::uint32_t kDescriptionCut = 0x40;
inline constexpr std::uint32_t kRuleType = 0x80;
inline constexpr std::uint32_t kContextWords = 0x100;
inline constexpr std::uint32_t kNoContextWords = 0x200;
inline constexpr std::uint32_t kContextTooLong = 0x400;
inline constexpr std::uint32_t kContextParameters = 0x800;
}  // namespace import_note

}  // namespace vorla

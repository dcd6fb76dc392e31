#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vorla {

// Whether the bytes' MD5 digest, in lower-case hexadecimal, begins with the prefix.
bool HasDigestPrefix(std::string_view bytes, std::string_view prefix);

// The path of a file may take at most this many bytes with its terminating zero.
inline constexpr std::size_t kLongestInstallerPath = 259;

// A new, empty folder for an installer in the application data, made exclusively
// ("update-1", "update-2", ...), so that an installer never replaces a file of the
// client's; nothing when none can be made.
std::optional<std::filesystem::path> CreateUpdateFolder(const std::filesystem::path& appData);

// Stores a downloaded installer under its name (one plain file name) as a new file of the
// folder, then reads it back: its length must be the size and its digest must begin with
// the prefix. The path, or nothing (a file made is removed then). The file is never made
// executable.
std::optional<std::filesystem::path> StoreInstaller(const std::filesystem::path& folder,
                                                    std::string_view name, std::string_view bytes,
                                                    std::int32_t size,
                                                    std::string_view digestPrefix);

}  // namespace vorla

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

// Stores a downloaded installer under its name (one plain file name) in a new folder of
// its own in the application data, made exclusively ("update-1", "update-2", ...), so that
// it never replaces a file of the client's. Then reads it back: its length must be the
// size and its digest must begin with the prefix. The path, or nothing (whatever was made
// is removed then). The file is never made executable.
std::optional<std::filesystem::path> StoreInstaller(const std::filesystem::path& appData,
                                                    std::string_view name, std::string_view bytes,
                                                    std::int32_t size,
                                                    std::string_view digestPrefix);

}  // namespace vorla

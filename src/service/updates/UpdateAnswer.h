#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/Config.h"

namespace vorla {

// What the service offers (`getupdinf`).
enum class UpdateOffer : std::uint8_t {
  WebAddress = 1,  // a newer version is described at a web address
  Installer = 2,   // an installer to download and start
  File = 3,        // a file to download, which is not installed
};

// The bounds of an update answer.
inline constexpr std::int16_t kShortestUpdateText = 9;
inline constexpr std::int16_t kLongestUpdateText = 510;
inline constexpr std::int32_t kLargestInstaller = 24'000'000;
// The digest text is a prefix of the installer's MD5 digest in hexadecimal.
inline constexpr std::size_t kLongestDigestPrefix = 32;
// No valid answer is longer: status, version, length, text, size, reserved, digest length
// and the longest digest the length byte can announce.
inline constexpr std::size_t kLongestUpdateAnswer =
    1 + 4 + 2 + kLongestUpdateText + 4 + 4 + 1 + 255;

struct UpdateAnswer {
  UpdateOffer offer = UpdateOffer::WebAddress;
  ProgramVersion version{};
  // The web address (WebAddress) or the installer's file name, as the service sent it.
  std::string text;
  // Installer and File only.
  std::int32_t fileSize = 0;
  std::string digestPrefix;
};

// Reads an answer, all integers little-endian. Nothing when a field is short or out of its
// range: a status other than 1 to 3, a text length outside 9 to 510, a size outside 1 to
// 24,000,000, a web address that is not http or https, an installer name that is not one
// plain file name, a digest text that is not 1 to 32 lower-case hexadecimal digits. Bytes
// after the answer are ignored.
std::optional<UpdateAnswer> ParseUpdateAnswer(std::span<const unsigned char> bytes);

// One file-name component: not empty, no leading ".", no separators, ":", control bytes or
// NUL (so never ".." either).
bool IsPlainFileName(std::string_view name);
// An http or https address (the scheme compared without regard to case) with something
// after "//".
bool IsWebAddress(std::string_view address);
// 1 to 32 lower-case hexadecimal digits.
bool IsDigestPrefix(std::string_view text);

}  // namespace vorla

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorla::sim {

// The bodies of `tr` answers; every integer 32 bits big-endian.

// The header: status, languages and the payload's length, which starts at byte 12.
inline constexpr std::size_t kTranslationHeaderSize = 16;
inline constexpr std::size_t kTranslationLengthOffset = 12;
// The block that follows the header in result-id mode.
inline constexpr std::size_t kResultIdBlockSize = 6;

// A status without a result: the status, the languages asked for and a length of 0.
std::string TranslationStatus(std::int32_t status, std::int32_t source, std::int32_t target);

// Status 19: the shortfall, the account type and the remaining quota take the place of the
// languages and the length; nothing follows.
std::string InsufficientBalance(std::int32_t shortfall, std::int32_t accountType,
                                std::int32_t quota);

// Status 0, the languages used, the payload's length and the payload; then, when the request
// asked for a second part, its length and its bytes.
std::string TranslationResult(std::int32_t source, std::int32_t target, const std::string& payload,
                              const std::optional<std::string>& secondPart);

// Result-id mode: after the 16-byte header the content flag (0: the payload is a result id,
// 1: it is the translated document), the target format and 4 unused zero bytes, then the
// payload.
std::string ResultIdResult(std::int32_t source, std::int32_t target, bool document,
                           std::int32_t targetFormat, const std::string& payload);

}  // namespace vorla::sim

#pragma once

#include <cstdint>

namespace vorla::sim {

// The bits of `trflags` the simulated service looks at.
namespace trflags {
inline constexpr std::uint32_t kActiveSentence = 0x2;
inline constexpr std::uint32_t kNoUnknownMarks = 0x100;
inline constexpr std::uint32_t kAutomaticDirection = 0x200;
inline constexpr std::uint32_t kCompressAnswer = 0x400;
inline constexpr std::uint32_t kCompressedSource = 0x800;
inline constexpr std::uint32_t kDictionaryLookup = 0x200000;
inline constexpr std::uint32_t kPdfToHtml = 0x8000000;
inline constexpr std::uint32_t kSentenceAlignment = 0x40000000;
inline constexpr std::uint32_t kTermExtraction = 0x80000000;
// The flags after which the answer carries a second part.
inline constexpr std::uint32_t kSecondPart = kPdfToHtml | kSentenceAlignment | kTermExtraction;
}  // namespace trflags

// The bits of `trflagsext`: the request kind, one of which is always sent.
namespace trflagsext {
inline constexpr std::uint32_t kLongRequest = 0x400;
inline constexpr std::uint32_t kOrdinaryRequest = 0x800;
}  // namespace trflagsext

}  // namespace vorla::sim

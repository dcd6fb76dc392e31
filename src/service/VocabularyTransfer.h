#pragma once

#include <cstdint>

namespace vorla {

// Client results of the dictionary exchanges (the service's status travels apart).
inline constexpr std::int32_t kVocabularyExchanged = 0;
inline constexpr std::int32_t kVocabularyBodyNotAllocated = 1;
inline constexpr std::int32_t kVocabularyTransferFailed = 2;
inline constexpr std::int32_t kVocabularyTooLargeToSend = 6;
inline constexpr std::int32_t kVocabularyCancelled = 10;

// Statuses of the dictionary commands that the client itself acts on.
inline constexpr std::int32_t kVocabularyNotLoggedIn = -12;  // or the session expired
inline constexpr std::int32_t kVocabularyTooLarge = -14;     // over max_size or max_length

// A `createvoc` status from this value up is the new dictionary's identifier.
inline constexpr std::int32_t kFirstUserVocabularyId = 10'000;

}  // namespace vorla

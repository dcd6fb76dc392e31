#pragma once

#include <cstdint>
#include <string_view>

namespace vorla::sim {

// What the simulated service charges, in thousandths of a token.
inline constexpr std::int32_t kPricePerWord = 125;  // account type 1: 12.5 tokens per 100 words
inline constexpr std::int32_t kFixedPrice = 5000;   // account type 2: 5 tokens a translation

// The price of a source of so many words: per word for account type 1, fixed for type 2,
// the word count for types 3 and 4 (whose balance is compared with it), nothing for others.
std::int32_t PriceOf(std::int32_t accountType, std::int32_t words);

// The words of UTF-8 text: runs of letters and digits, an apostrophe inside one ("don't")
// included.
std::int32_t CountWords(std::string_view text);

}  // namespace vorla::sim

#pragma once

#include <cstdint>

namespace vorla::sim {

// The result codes the translation commands answer.
namespace status {
inline constexpr std::int32_t kInvalidSource = 5;
inline constexpr std::int32_t kSessionExpired = 15;
inline constexpr std::int32_t kUnsupportedFormat = 16;
inline constexpr std::int32_t kInsufficientBalance = 19;
inline constexpr std::int32_t kPairNotAllowed = 23;
inline constexpr std::int32_t kNotAvailable = 24;
inline constexpr std::int32_t kInvalidPair = 28;

// The statuses the dictionary commands and the lexicon lists answer.
inline constexpr std::int32_t kDictionaryFormat = -1;
inline constexpr std::int32_t kDictionaryNameTaken = -2;
inline constexpr std::int32_t kDictionaryNameInvalid = -3;
inline constexpr std::int32_t kDictionaryMissing = -5;
inline constexpr std::int32_t kTooManyDictionaries = -7;
inline constexpr std::int32_t kDictionarySessionExpired = -12;
inline constexpr std::int32_t kDictionaryTooLarge = -14;
inline constexpr std::int32_t kDictionaryPairInvalid = -16;
}  // namespace status

// The document formats the simulator looks at.
namespace format {
inline constexpr std::int32_t kPlainText = 1;
inline constexpr std::int32_t kRtf = 2;
inline constexpr std::int32_t kHtml = 3;
inline constexpr std::int32_t kDoc = 4;
inline constexpr std::int32_t kPdf = 5;
inline constexpr std::int32_t kCsv = 6;
inline constexpr std::int32_t kOdt = 7;
inline constexpr std::int32_t kXml = 8;
inline constexpr std::int32_t kPpt = 9;
inline constexpr std::int32_t kOdp = 10;
inline constexpr std::int32_t kXls = 11;
inline constexpr std::int32_t kOds = 12;
inline constexpr std::int32_t kDocx = 13;
inline constexpr std::int32_t kPptx = 14;
inline constexpr std::int32_t kXlsx = 15;
}  // namespace format

// The account types that pay for translations.
namespace account_type {
inline constexpr int kPerWord = 1;
inline constexpr int kFixedPrice = 2;
inline constexpr int kFirstList = 3;   // the first further-language list, a quota
inline constexpr int kSecondList = 4;  // the second further-language list, a quota
}  // namespace account_type

}  // namespace vorla::sim

#pragma once

#include <cstdint>

namespace vorla {

// Bits of a job's `trflags`, sent as `trflags` when any is set.
inline constexpr std::uint32_t kTrActiveSentence = 0x2;  // `actsent` names the sentence
inline constexpr std::uint32_t kTrYouSingular = 0x4;     // "you" as "sinä" rather than "te"
inline constexpr std::uint32_t kTrSkipUpperCaseTerms = 0x8;
inline constexpr std::uint32_t kTrNoUnknownWordMarks = 0x100;  // no "?" after unknown words
inline constexpr std::uint32_t kTrAutoDirection = 0x200;
inline constexpr std::uint32_t kTrCompress = 0x400;    // source sent and result returned packed
inline constexpr std::uint32_t kTrCompressed = 0x800;  // this request's source is packed
inline constexpr std::uint32_t kTrEnFiPref4 = 0x1000;
inline constexpr std::uint32_t kTrAmericanEnglish = 0x4000;
inline constexpr std::uint32_t kTrDictionaryLookup = 0x200000;
inline constexpr std::uint32_t kTrFromClient = 0x2000000;  // every request flow sets it
inline constexpr std::uint32_t kTrPdfToHtml = 0x8000000;
inline constexpr std::uint32_t kTrSentenceAlignment = 0x40000000;
inline constexpr std::uint32_t kTrExtractTerms = 0x80000000;

// Bits of a job's `trflagsext`, sent as `trflagsext` when any is set.
inline constexpr std::uint32_t kTrExtNoResultBody = 0x2;
// Finnish subject pronouns "minä/me/sinä/te" left out: one bit for each of the three
// stored preferences.
inline constexpr std::uint32_t kTrExtOmitSubjectPronouns6 = 0x8;
inline constexpr std::uint32_t kTrExtOmitSubjectPronouns7 = 0x10;
inline constexpr std::uint32_t kTrExtOmitSubjectPronouns8 = 0x20;
inline constexpr std::uint32_t kTrExtOmitPossessivePronouns = 0x3C0;
inline constexpr std::uint32_t kTrExtLongRequest = 0x400;      // file-translation time-out
inline constexpr std::uint32_t kTrExtOrdinaryRequest = 0x800;  // text-translation time-out
inline constexpr std::uint32_t kTrExtRemoveFormatting = 0x8000;

}  // namespace vorla

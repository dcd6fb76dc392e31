#pragma once

#include <array>
#include <cstdint>

#include "translation/TranslationFlags.h"

namespace vorla {

class Settings;

// The translation preferences that go into every job, as stored in the settings.
struct TranslationPreferences {
  // "EnFiTrPref1": English "you" as "sinä" (2) or "te" (5).
  static constexpr int kYouSingular = 2;
  static constexpr int kYouPlural = 5;

  int youTranslation = kYouPlural;
  bool markUnknownWords = false;              // "EnFiTrPref2"
  bool skipUpperCaseTerms = false;            // "EnFiTrPref3"
  bool enFiPref4 = false;                     // "EnFiTrPref4"
  std::array<bool, 3> omitSubjectPronouns{};  // "EnFiTrPref6" to "EnFiTrPref8"
  bool omitPossessivePronouns = false;        // "EnFiTrPref9"
  bool americanEnglish = false;               // "FiEnTrPref1"

  // Missing values take the defaults above.
  static TranslationPreferences Read(const Settings& settings);

  // Every bit of `trflags` and of `trflagsext` that a preference decides.
  static constexpr std::uint32_t kTrFlagsMask = kTrYouSingular | kTrSkipUpperCaseTerms |
                                                kTrNoUnknownWordMarks | kTrEnFiPref4 |
                                                kTrAmericanEnglish;
  static constexpr std::uint32_t kTrFlagsExtMask =
      kTrExtOmitSubjectPronouns6 | kTrExtOmitSubjectPronouns7 | kTrExtOmitSubjectPronouns8 |
      kTrExtOmitPossessivePronouns;

  // The bits of `trflags` and `trflagsext` that these preferences set.
  std::uint32_t TrFlags() const;
  std::uint32_t TrFlagsExt() const;
};

}  // namespace vorla

#include "translation/TranslationPreferences.h"

#include "config/Settings.h"

namespace vorla {

TranslationPreferences TranslationPreferences::Read(const Settings& settings) {
  TranslationPreferences preferences;
  preferences.youTranslation = settings.ReadInteger("EnFiTrPref1", kYouPlural);
  preferences.markUnknownWords = settings.ReadBoolean("EnFiTrPref2", false);
  preferences.skipUpperCaseTerms = settings.ReadBoolean("EnFiTrPref3", false);
  preferences.enFiPref4 = settings.ReadBoolean("EnFiTrPref4", false);
  preferences.omitSubjectPronouns = {settings.ReadBoolean("EnFiTrPref6", false),
                                     settings.ReadBoolean("EnFiTrPref7", false),
                                     settings.ReadBoolean("EnFiTrPref8", false)};
  preferences.omitPossessivePronouns = settings.ReadBoolean("EnFiTrPref9", false);
  preferences.americanEnglish = settings.ReadBoolean("FiEnTrPref1", false);
  return preferences;
}

std::uint32_t TranslationPreferences::TrFlags() const {
  std::uint32_t flags = 0;
  if (youTranslation == kYouSingular) flags |= kTrYouSingular;
  if (skipUpperCaseTerms) flags |= kTrSkipUpperCaseTerms;
  if (!markUnknownWords) flags |= kTrNoUnknownWordMarks;
  if (enFiPref4) flags |= kTrEnFiPref4;
  if (americanEnglish) flags |= kTrAmericanEnglish;
  return flags;
}

std::uint32_t TranslationPreferences::TrFlagsExt() const {
  std::uint32_t flags = 0;
  if (omitSubjectPronouns[0]) flags |= kTrExtOmitSubjectPronouns6;
  if (omitSubjectPronouns[1]) flags |= kTrExtOmitSubjectPronouns7;
  if (omitSubjectPronouns[2]) flags |= kTrExtOmitSubjectPronouns8;
  if (omitPossessivePronouns) flags |= kTrExtOmitPossessivePronouns;
  return flags;
}

}  // namespace vorla

#include "translation/TranslationJob.h"

#include <algorithm>
#include <limits>

#include "translation/ActiveDictionaryView.h"
#include "translation/LanguageView.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationPreferences.h"

namespace vorla {

void TranslationJob::Initialise() {
  const auto kept = actfields;
  *this = TranslationJob{};
  actfields = kept;
}

bool TranslationJob::SetSource(std::string bytes) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return false;
  srclen = static_cast<int>(bytes.size());
  srctxt = std::move(bytes);
  return true;
}

std::string_view TranslationJob::Source() const {
  const auto length = std::min(static_cast<std::size_t>(std::max(srclen, 0)), srctxt.size());
  return std::string_view(srctxt).substr(0, length);
}

std::string_view TranslationJob::Result() const {
  if (resbuf) return ViewOf(*resbuf);
  return rescopy;
}

void TranslationJob::FillLanguages(const LanguageView& languages) {
  filledFrom = {languages.GetSourceLanguage(), languages.GetTargetLanguage(),
                languages.GetAutoDirection()};
  srclan = filledFrom.source;
  tgtlan = filledFrom.target;
  const bool automatic = filledFrom.automatic &&
                         languages.IsPairAvailable(kLanguageEnglish, kLanguageFinnish) &&
                         languages.IsPairAvailable(kLanguageFinnish, kLanguageEnglish);
  if (automatic) {
    // The service chooses between English to Finnish and Finnish to English.
    trflags |= kTrAutoDirection;
    if (FamilyOf(srclan) != LanguageFamily::Local) srclan = kLanguageEnglish;
    if (FamilyOf(tgtlan) != LanguageFamily::Local) tgtlan = kLanguageFinnish;
    return;
  }
  trflags &= ~kTrAutoDirection;
  if (IsEnglish(srclan) && IsFinnish(tgtlan)) {
    srclan = kLanguageEnglish;
    tgtlan = kLanguageFinnish;
    return;
  }
  if (IsFinnish(srclan) && IsEnglish(tgtlan)) {
    srclan = kLanguageFinnish;
    tgtlan = kLanguageEnglish;
    return;
  }
  // A local language beside a further one takes its code in the further one's family.
  const LanguageFamily sourceFamily = FamilyOf(srclan);
  const LanguageFamily targetFamily = FamilyOf(tgtlan);
  if (targetFamily == LanguageFamily::Local) {
    tgtlan = InFamily(tgtlan, sourceFamily);
  } else if (sourceFamily == LanguageFamily::Local) {
    srclan = InFamily(srclan, targetFamily);
  }
}

void TranslationJob::FillSettings(const TranslationPreferences& preferences,
                                  const ActiveDictionaryView& dictionaries) {
  trflags = (trflags & ~TranslationPreferences::kTrFlagsMask) | preferences.TrFlags();
  trflagsext = (trflagsext & ~TranslationPreferences::kTrFlagsExtMask) | preferences.TrFlagsExt();

  for (const auto direction :
       {DictionaryDirection::EnglishFinnish, DictionaryDirection::FinnishEnglish}) {
    auto& ids = actfields[static_cast<std::size_t>(direction)];
    std::size_t count = 0;
    const auto session = dictionaries.GetSessionDictionary(direction);
    if (session && session->hasEntries && session->vocid > 0) ids[count++] = session->vocid;
    for (const int id : dictionaries.GetActiveDictionaryIds(direction)) {
      if (count == ids.size()) break;
      if (count > 0 && id == ids[0]) continue;
      ids[count++] = id;
    }
    actcount[static_cast<std::size_t>(direction)] = static_cast<int>(count);
  }
}

}  // namespace vorla

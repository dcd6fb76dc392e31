#pragma once

namespace vorla {

// Language codes of the local pairs.
inline constexpr int kLanguageEnglish = 0;
inline constexpr int kLanguageFinnish = 1;
inline constexpr int kLanguageSwedish = 2;
// The separator line of a language list: stored when chosen, refused by the service.
inline constexpr int kLanguageInvalidChoice = 98;

// Language codes come in three families that are never mixed in one job: the local pairs
// (below 100), the first list of further languages (100 to 199) and the second (200 on).
enum class LanguageFamily { Local, FirstList, SecondList };

LanguageFamily FamilyOf(int code);
// Whether both languages of a pair are of the local family (a job's pair is never mixed).
bool IsLocalPair(int source, int target);
// The codes a pair may hold: 0 to 2, 100 to 138, 200 to 263 and the invalid choice 98.
// Codes read from the settings or reported by the service are checked with this first.
bool IsKnownLanguageCode(int code);
// English is 0, 108 or 215; Finnish 1, 110 or 219.
bool IsEnglish(int code);
bool IsFinnish(int code);
// The code of English, Finnish or Swedish in the given family; other codes as they are.
int InFamily(int code, LanguageFamily family);
// English, Finnish or Swedish of any family as its local code (108 and 215 give 0); other
// codes as they are.
int LocalCodeOf(int code);

}  // namespace vorla

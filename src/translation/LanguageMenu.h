#pragma once

namespace vorla {

class TranslatorState;

// The pair commands of the Language menu.
enum class LanguageMenuItem { AutoSelection, EnglishFinnish, FinnishEnglish, EnglishSwedish };

// Whether the menu offers the item to this account: the English-Finnish items follow the
// pair bits ("Auto-Selection" needs both directions), "English -> Swedish" needs 0x4 and an
// account without further languages.
bool IsMenuItemEnabled(LanguageMenuItem item, int accountType, int bits);

// Carries out the command: a direction sets its pair with automatic direction off;
// "Auto-Selection" turns automatic direction on and, for accounts with further languages,
// sets English to Finnish. The pending notice is cleared either way.
void ChooseMenuItem(TranslatorState& state, LanguageMenuItem item);

}  // namespace vorla

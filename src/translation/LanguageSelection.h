#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/UiLanguage.h"
#include "translation/LanguagePairs.h"

namespace vorla {

class TranslatorState;

// One line of a list of the "Select Language Pair" dialog.
struct LanguageEntry {
  enum class Kind { AutoSelection, Language, Separator };

  Kind kind = Kind::Language;
  std::string_view text;
  // The language code of the line; the separator's is the invalid choice 98.
  int code = kLanguageInvalidChoice;
};

// The source list: "Auto-Selection" with both English-Finnish directions, English with 0x1,
// Finnish with 0x2, then for accounts with further languages a separator and the account's
// list in the order of the UI language.
std::vector<LanguageEntry> SourceLanguageEntries(int accountType, int bits, UiLanguage language);
// The target list: Finnish with 0x1, English with 0x2, then as the source list.
std::vector<LanguageEntry> TargetLanguageEntries(int accountType, int bits, UiLanguage language);

// The line of a code in a list, or nothing when the list does not hold it.
std::optional<std::size_t> IndexOfLanguage(const std::vector<LanguageEntry>& entries, int code);

// Whether the dialog refuses the pair on OK: the same language on both sides (English and
// Finnish of the further lists count as the local ones) while automatic direction is off.
bool IsSameLanguagePair(const LanguagePair& pair);
std::string_view SameLanguageMessage(UiLanguage language);

// The dialog's logic without its widgets: it reads the account and the pair from the state
// and stores every choice at once, as the dialog does.
class LanguageSelection {
 public:
  LanguageSelection(TranslatorState& state, UiLanguage language);

  std::vector<LanguageEntry> SourceEntries() const;
  std::vector<LanguageEntry> TargetEntries() const;
  // The lines the current pair selects ("Auto-Selection" while automatic direction is on);
  // nothing when the list does not hold the code.
  std::optional<std::size_t> SelectedSource() const;
  std::optional<std::size_t> SelectedTarget() const;
  // The target list is disabled while automatic direction is on.
  bool TargetEnabled() const;

  // An index outside the list changes nothing.
  void ChooseSource(std::size_t index);
  void ChooseTarget(std::size_t index);

  // The message OK shows instead of closing, or nothing when the dialog may close.
  std::optional<std::string_view> CheckOk() const;
  // Whether the service provider's notice is shown: an account of the first list with a
  // further language chosen and automatic direction off.
  bool ShowsProviderNotice() const;

 private:
  TranslatorState& state_;
  UiLanguage language_;
};

}  // namespace vorla

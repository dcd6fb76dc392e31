#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "common/UiLanguage.h"
#include "translation/LanguageMenu.h"
#include "translation/LanguagePairs.h"

namespace vorla {

class TranslatorState;

// One line of a list of the main window's language-pair box.
struct PairBoxLine {
  enum class Kind { AutoSelection, Direction, Language, Separator };

  Kind kind = Kind::Language;
  std::string_view text;
  // The command a direction line stands for.
  LanguageMenuItem direction = LanguageMenuItem::EnglishFinnish;
  // The code of a language line; a separator in a language list stands for the invalid 98.
  int code = kLanguageInvalidChoice;
};

// The language-pair box without its widgets. It reads the account and the pair from the
// state and stores every choice at once.
class PairBoxLists {
 public:
  PairBoxLists(TranslatorState& state, UiLanguage language);

  // "Auto-Selection" with both English-Finnish directions; then the directions of the pair
  // bits ("------" before "English -> Swedish" when "Auto-Selection" is there). For accounts
  // with further languages a source-language list instead: English, Finnish, a separator and
  // the account's further languages.
  std::vector<PairBoxLine> FirstList() const;
  // The target languages beside the source list ("English", "Finnish", a separator and the
  // further languages); empty for accounts without further languages.
  std::vector<PairBoxLine> TargetList() const;

  // The lines the current pair selects: "Auto-Selection" while automatic direction is on,
  // else the pair's direction or its languages; nothing when a list does not hold them.
  std::optional<std::size_t> SelectedFirst() const;
  std::optional<std::size_t> SelectedTarget() const;
  // The target list is disabled while automatic direction is on.
  bool TargetEnabled() const;

  // A choice in either list; an index outside the list, or the separator line of the
  // direction list, changes nothing.
  void ChooseFirst(std::size_t index);
  void ChooseTarget(std::size_t index);

 private:
  bool HasFurtherLanguages() const;

  TranslatorState& state_;
  UiLanguage language_;
};

}  // namespace vorla

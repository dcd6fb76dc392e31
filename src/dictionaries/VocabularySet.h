#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/DictionaryKind.h"
#include "dictionaries/LexiconInfo.h"
#include "service/VocabularyTransfer.h"
#include "translation/ActiveDictionaryView.h"

namespace vorla {

// The dictionaries of one direction (English to Finnish or Finnish to English): the list of
// lexicons the user may select, kept in the settings as "EnFiLexInf" or "FiEnLexInf" and
// replaced after every login; the active selection every translation carries; the dictionary
// last opened for editing; what jobs need of the session dictionary. Every access holds the
// set's re-entrant lock, since the login thread replaces the list while windows, editors and
// workers read it; nested look-ups take it again. No service request is made under it.
class VocabularySet {
 public:
  // `ListNames` of every row but the session dictionary's.
  static constexpr int kAllTypes = 2;

  // Reads the current edit identifiers from the settings.
  VocabularySet(RefPtr<Config> config, int srclan, int tgtlan);

  int srclan() const { return srclan_; }
  int tgtlan() const { return tgtlan_; }

  // Parses the stored list; when nothing is stored or nothing parses, the default list of
  // the direction. With rows, the selection is restored.
  void LoadLexInfo();
  // Replaces the list by the rows of a lexicon information text; returns their number.
  int ParseLexInfo(std::string_view text);
  // Writes the list back as lexicon information text.
  void SaveLexInfo();

  std::vector<LexiconRow> Rows() const;
  // Names of the rows of one `voctype`, or of all (kAllTypes); never the session dictionary.
  std::vector<std::string> ListNames(int voctype) const;
  // Index of the first user dictionary's row, or -1.
  int FirstUserIndex() const;
  // Exact, case-sensitive; 0 when not listed.
  int IdByName(std::string_view name) const;
  std::optional<std::string> NameById(int vocid) const;
  bool NameInUse(std::string_view name) const;
  // The row of an identifier, if listed.
  std::optional<LexiconRow> RowById(int vocid) const;
  // The name to show for a listed name: a domain lexicon under its Finnish name when the
  // interface is Finnish; any other name as it is.
  std::string DisplayName(std::string_view name) const;

  // Rows of user and session dictionaries (identifier 10000 or more) only. AddRow refuses a
  // name or identifier already listed. Removing a selected row takes it out of the selection
  // and stores the selection again as confirming one does; removing the dictionary last
  // edited clears the current edit identifiers.
  bool AddRow(std::string_view name, int vocid, int voctype, DictionaryKind kind);
  bool RenameRow(int vocid, std::string_view name);
  bool SetRowKind(int vocid, DictionaryKind kind);
  bool RemoveRow(int vocid);

  // Appends to the active selection unless the identifier is 0, already selected or ten are
  // selected: the new count, or -1.
  int Select(int vocid);
  // The former position, or -1 when it was not selected.
  int Deselect(int vocid);
  std::vector<int> ActiveIds() const;
  // The names of the active selection joined by ";" as last built.
  std::string ActiveNames() const;

  // Selects again the names stored in "VocSelInf" (or, when that is empty, the active names
  // of this run) that the list still has, in their order; they become the active names.
  void RestoreSelection();
  // Joins the names of the selected identifiers into the active names.
  void BuildSelectionNames();
  // "VocSelInf" takes the active names; ClearSavedSelection empties it.
  void SaveSelection();
  void ClearSavedSelection();
  // "SaveVocSel": whether the selection is kept across runs.
  bool RemembersSelection() const;

  // The one way a new selection is confirmed (settings pages, the editor, `vorla dict
  // select`): the chosen names are selected in order, "SaveVocSel" takes remember, and the
  // joined names are stored when remembering, an empty value otherwise. Returns the names
  // the list does not have.
  std::vector<std::string> ConfirmSelection(const std::vector<std::string>& names, bool remember);

  // The dictionary last opened for editing, overall and per kind; 0 when none.
  void SetCurrentEdit(int vocid, DictionaryKind kind);
  void ClearCurrentEdit(DictionaryKind kind);
  int CurrentEditId() const;
  int CurrentEditId(DictionaryKind kind) const;

  // The session dictionary as jobs see it; set by its holder after each save.
  void SetSessionDictionary(std::optional<SessionDictionaryInfo> session);
  std::optional<SessionDictionaryInfo> SessionDictionary() const;

 private:
  // The settings value of this pair: "En" or "Fi" for each language, then the suffix.
  std::string ValueName(std::string_view suffix) const;
  int ReadEditId(std::string_view suffix) const;
  void StoreSelectionByRule();

  RefPtr<Config> config_;
  const int srclan_;
  const int tgtlan_;
  mutable std::recursive_mutex mutex_;
  std::vector<LexiconRow> rows_;
  std::vector<int> active_;
  std::string activeNames_;
  int currentEdit_ = 0;
  int currentEditByKind_[kDictionaryKindCount] = {};
  std::optional<SessionDictionaryInfo> session_;
};

}  // namespace vorla

#include "dictionaries/VocabularySet.h"

#include <algorithm>

#include "dictionaries/DomainLexiconNames.h"
#include "translation/LanguageFamily.h"
#include "translation/TranslationJob.h"

namespace vorla {

namespace {

constexpr std::string_view kLexInfoSuffix = "LexInf";
constexpr std::string_view kSelectionSuffix = "VocSelInf";
constexpr std::string_view kRememberSuffix = "SaveVocSel";
constexpr std::string_view kCurrentEditSuffix = "CurEditVoc";
// By kind, in the order of `DictionaryKind`.
constexpr std::string_view kCurrentEditKindSuffixes[kDictionaryKindCount] = {
    "CurEditVocNormal", "CurEditVocPhrases", "CurEditVocLexRules", "CurEditVocDisamb"};
constexpr std::size_t kMaxSelected = TranslationJob::kMaxActiveDictionaries;

constexpr std::string_view kDefaultEnglishFinnish =
    "1:0:0:0:Economy & Trade;3:0:0:0:Information Technology;5:0:0:0:Engineering;"
    "6:0:0:0:Wood Processing;9:0:0:0:Health & Biology;12:0:0:0:Social Sciences;"
    "4:0:0:0:Mathematics;14:0:0:0:Chemistry;";
constexpr std::string_view kDefaultFinnishEnglish = "3:0:0:0:Information Technology;";

std::string_view LanguagePrefix(int code) {
  switch (code) {
    case kLanguageEnglish:
      return "En";
    case kLanguageFinnish:
      return "Fi";
    case kLanguageSwedish:
      return "Sv";
    default:
      return {};
  }
}

std::string_view DefaultList(int srclan, int tgtlan) {
  if (srclan == kLanguageEnglish && tgtlan == kLanguageFinnish) return kDefaultEnglishFinnish;
  if (srclan == kLanguageFinnish && tgtlan == kLanguageEnglish) return kDefaultFinnishEnglish;
  return {};
}

}  // namespace

VocabularySet::VocabularySet(RefPtr<Config> config, int srclan, int tgtlan)
    : config_(std::move(config)), srclan_(srclan), tgtlan_(tgtlan) {
  currentEdit_ = ReadEditId(kCurrentEditSuffix);
  for (int kind = 0; kind < kDictionaryKindCount; ++kind)
    currentEditByKind_[kind] = ReadEditId(kCurrentEditKindSuffixes[kind]);
}

std::string VocabularySet::ValueName(std::string_view suffix) const {
  std::string name(LanguagePrefix(srclan_));
  name += LanguagePrefix(tgtlan_);
  name += suffix;
  return name;
}

void VocabularySet::LoadLexInfo() {
  std::lock_guard lock(mutex_);
  // The whole stored list is read, however long it has grown.
  const std::string stored = config_->settings().ReadString(ValueName(kLexInfoSuffix)).value_or("");
  if (ParseLexInfo(stored) == 0 && ParseLexInfo(DefaultList(srclan_, tgtlan_)) == 0) return;
  RestoreSelection();
}

int VocabularySet::ParseLexInfo(std::string_view text) {
  std::vector<LexiconRow> rows = ParseLexiconRows(text);
  std::lock_guard lock(mutex_);
  rows_ = std::move(rows);
  return static_cast<int>(rows_.size());
}

void VocabularySet::SaveLexInfo() {
  std::lock_guard lock(mutex_);
  config_->settings().WriteString(ValueName(kLexInfoSuffix), FormatLexiconRows(rows_));
}

std::vector<LexiconRow> VocabularySet::Rows() const {
  std::lock_guard lock(mutex_);
  return rows_;
}

std::vector<std::string> VocabularySet::ListNames(int voctype) const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> names;
  for (const LexiconRow& row : rows_) {
    if (row.voctype == kLexiconSession) continue;
    if (voctype == kAllTypes || row.voctype == voctype) names.push_back(row.name);
  }
  return names;
}

int VocabularySet::FirstUserIndex() const {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, kLexiconUser, &LexiconRow::voctype);
  return row == rows_.end() ? -1 : static_cast<int>(row - rows_.begin());
}

int VocabularySet::IdByName(std::string_view name) const {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, name, &LexiconRow::name);
  return row == rows_.end() ? 0 : row->vocid;
}

std::optional<LexiconRow> VocabularySet::RowById(int vocid) const {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, vocid, &LexiconRow::vocid);
  if (row == rows_.end()) return std::nullopt;
  return *row;
}

std::optional<std::string> VocabularySet::NameById(int vocid) const {
  const auto row = RowById(vocid);
  if (!row) return std::nullopt;
  return row->name;
}

bool VocabularySet::NameInUse(std::string_view name) const {
  return IdByName(name) != 0;
}

bool VocabularySet::AddRow(std::string_view name, int vocid, int voctype, DictionaryKind kind) {
  std::lock_guard lock(mutex_);
  if (vocid < kFirstUserVocabularyId || NameInUse(name) || RowById(vocid)) return false;
  rows_.push_back({vocid, 0, voctype, static_cast<int>(kind), std::string(name)});
  return true;
}

bool VocabularySet::RenameRow(int vocid, std::string_view name) {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, vocid, &LexiconRow::vocid);
  if (vocid < kFirstUserVocabularyId || row == rows_.end()) return false;
  row->name = name;
  return true;
}

bool VocabularySet::SetRowKind(int vocid, DictionaryKind kind) {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, vocid, &LexiconRow::vocid);
  if (vocid < kFirstUserVocabularyId || row == rows_.end()) return false;
  row->vocsubtype = static_cast<int>(kind);
  return true;
}

bool VocabularySet::RemoveRow(int vocid) {
  std::lock_guard lock(mutex_);
  const auto row = std::ranges::find(rows_, vocid, &LexiconRow::vocid);
  if (vocid < kFirstUserVocabularyId || row == rows_.end()) return false;
  const auto kind = static_cast<DictionaryKind>(row->vocsubtype);
  rows_.erase(row);
  if (Deselect(vocid) >= 0) StoreSelectionByRule();
  if (currentEdit_ == vocid) ClearCurrentEdit(kind);
  return true;
}

int VocabularySet::Select(int vocid) {
  std::lock_guard lock(mutex_);
  if (vocid == 0 || active_.size() >= kMaxSelected ||
      std::ranges::find(active_, vocid) != active_.end())
    return -1;
  active_.push_back(vocid);
  return static_cast<int>(active_.size());
}

int VocabularySet::Deselect(int vocid) {
  std::lock_guard lock(mutex_);
  const auto at = std::ranges::find(active_, vocid);
  if (at == active_.end()) return -1;
  const auto position = static_cast<int>(at - active_.begin());
  active_.erase(at);
  return position;
}

std::vector<int> VocabularySet::ActiveIds() const {
  std::lock_guard lock(mutex_);
  return active_;
}

std::string VocabularySet::ActiveNames() const {
  std::lock_guard lock(mutex_);
  return activeNames_;
}

void VocabularySet::RestoreSelection() {
  std::lock_guard lock(mutex_);
  active_.clear();
  std::string names = config_->settings().ReadString(ValueName(kSelectionSuffix)).value_or("");
  if (names.empty()) names = activeNames_;
  std::string_view rest = names;
  while (!rest.empty()) {
    const std::size_t end = rest.find(';');
    Select(IdByName(rest.substr(0, end)));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  BuildSelectionNames();
}

void VocabularySet::BuildSelectionNames() {
  std::lock_guard lock(mutex_);
  activeNames_.clear();
  for (const int vocid : active_) {
    const auto name = NameById(vocid);
    if (!name) continue;
    if (!activeNames_.empty()) activeNames_ += ';';
    activeNames_ += *name;
  }
}

void VocabularySet::SaveSelection() {
  std::lock_guard lock(mutex_);
  config_->settings().WriteString(ValueName(kSelectionSuffix), activeNames_);
}

void VocabularySet::ClearSavedSelection() {
  std::lock_guard lock(mutex_);
  config_->settings().WriteString(ValueName(kSelectionSuffix), "");
}

bool VocabularySet::RemembersSelection() const {
  return config_->settings().ReadBoolean(ValueName(kRememberSuffix), false);
}

void VocabularySet::StoreSelectionByRule() {
  BuildSelectionNames();
  if (RemembersSelection()) {
    SaveSelection();
  } else {
    ClearSavedSelection();
  }
}

std::vector<std::string> VocabularySet::ConfirmSelection(const std::vector<std::string>& names,
                                                         bool remember) {
  config_->settings().WriteString(ValueName(kRememberSuffix), remember ? "true" : "false");
  std::vector<std::string> unknown;
  std::lock_guard lock(mutex_);
  active_.clear();
  for (const std::string& name : names) {
    const int vocid = IdByName(name);
    if (vocid == 0) {
      unknown.push_back(name);
    } else {
      Select(vocid);
    }
  }
  StoreSelectionByRule();
  return unknown;
}

int VocabularySet::ReadEditId(std::string_view suffix) const {
  const int vocid = config_->settings().ReadInteger(ValueName(suffix), 0);
  return vocid < kFirstUserVocabularyId ? 0 : vocid;
}

void VocabularySet::SetCurrentEdit(int vocid, DictionaryKind kind) {
  std::lock_guard lock(mutex_);
  const auto index = static_cast<std::size_t>(kind);
  currentEdit_ = vocid;
  currentEditByKind_[index] = vocid;
  config_->settings().WriteInteger(ValueName(kCurrentEditSuffix), vocid);
  config_->settings().WriteInteger(ValueName(kCurrentEditKindSuffixes[index]), vocid);
}

void VocabularySet::ClearCurrentEdit(DictionaryKind kind) {
  std::lock_guard lock(mutex_);
  const auto index = static_cast<std::size_t>(kind);
  currentEdit_ = 0;
  currentEditByKind_[index] = 0;
  config_->settings().WriteInteger(ValueName(kCurrentEditSuffix), 0);
  config_->settings().WriteInteger(ValueName(kCurrentEditKindSuffixes[index]), 0);
}

int VocabularySet::CurrentEditId() const {
  std::lock_guard lock(mutex_);
  return currentEdit_;
}

int VocabularySet::CurrentEditId(DictionaryKind kind) const {
  std::lock_guard lock(mutex_);
  return currentEditByKind_[static_cast<std::size_t>(kind)];
}

void VocabularySet::SetSessionDictionary(std::optional<SessionDictionaryInfo> session) {
  std::lock_guard lock(mutex_);
  session_ = session;
}

std::optional<SessionDictionaryInfo> VocabularySet::SessionDictionary() const {
  std::lock_guard lock(mutex_);
  return session_;
}

std::string VocabularySet::DisplayName(std::string_view name) const {
  std::lock_guard lock(mutex_);
  if (config_->GetUiLanguage() != UiLanguage::Finnish) return std::string(name);
  const auto row = std::ranges::find(rows_, name, &LexiconRow::name);
  if (row == rows_.end() || row->voctype != kLexiconDomain) return std::string(name);
  return FinnishDomainName(name).value_or(std::string(name));
}

}  // namespace vorla

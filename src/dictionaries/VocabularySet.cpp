#include "dictionaries/VocabularySet.h"

#include <algorithm>

#include "dictionaries/DomainLexiconNames.h"
#include "translation/LanguageFamily.h"

namespace vorla {

namespace {

constexpr std::string_view kLexInfoSuffix = "LexInf";

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
    : config_(std::move(config)), srclan_(srclan), tgtlan_(tgtlan) {}

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
  if (ParseLexInfo(stored) == 0) ParseLexInfo(DefaultList(srclan_, tgtlan_));
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

std::string VocabularySet::DisplayName(std::string_view name) const {
  std::lock_guard lock(mutex_);
  if (config_->GetUiLanguage() != UiLanguage::Finnish) return std::string(name);
  const auto row = std::ranges::find(rows_, name, &LexiconRow::name);
  if (row == rows_.end() || row->voctype != kLexiconDomain) return std::string(name);
  return FinnishDomainName(name).value_or(std::string(name));
}

}  // namespace vorla

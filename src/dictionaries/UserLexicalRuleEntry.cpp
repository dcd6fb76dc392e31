#include "dictionaries/UserLexicalRuleEntry.h"

#include "dictionaries/ContextWords.h"
#include "dictionaries/RuleTypes.h"
#include "dictionaries/StreamBytes.h"

namespace vorla {

namespace {

constexpr int kContextRangeOffset = 2;

}  // namespace

void WriteContextForm(std::string& record, std::string_view stored) {
  PutField(record, std::to_string(stored.size()));
  if (!stored.empty()) PutField(record, stored);
}

std::optional<std::string> ReadContextForm(RecordReader& reader) {
  constexpr std::size_t kLengthDigits = 3;
  const auto length = reader.ReadNumber(kLengthDigits);
  if (!length || *length > static_cast<int>(entry_limit::kField)) return std::nullopt;
  if (*length == 0) return std::string();
  const auto text = reader.ReadToken(entry_limit::kField);
  if (!text || text->size() != static_cast<std::size_t>(*length)) return std::nullopt;
  return std::string(*text);
}

void UserLexicalRuleEntry::WriteRuleHead(std::string& record, int rangeOffset) {
  range = LimitRange(range);
  PutField(record, BlanksToUnderscores(source));
  PutByte(record, static_cast<std::uint8_t>(ruletype));
  PutByte(record, static_cast<std::uint8_t>(option));
  PutByte(record, static_cast<std::uint8_t>(scat));
  PutByte(record, static_cast<std::uint8_t>(range + rangeOffset));
  WriteContextForm(record, contextwords.stored);
}

bool UserLexicalRuleEntry::ReadRuleHead(RecordReader& reader, int rangeOffset,
                                        bool (*isValidType)(int)) {
  const auto token = reader.ReadToken(entry_limit::kText);
  if (!token) return false;
  source = UnderscoresToBlanks(WithoutFinalStar(*token));
  const auto type = reader.ReadByte();
  const auto optionByte = reader.ReadByte();
  const auto wordClass = reader.ReadByte();
  const auto rangeByte = reader.ReadByte();
  if (source.empty() || !rangeByte || !isValidType(*type)) return false;
  ruletype = *type;
  option = *optionByte;
  scat = *wordClass;
  range = *rangeByte - rangeOffset;
  auto words = ReadContextForm(reader);
  if (!words) return false;
  ParseContextWords(*this, *words, ContextTextForm::Stored);
  return true;
}

void UserLexicalRuleEntry::WriteRecord(std::string& record) {
  WriteRuleHead(record, kContextRangeOffset);
  WriteContextForm(record, contextwordstr.stored);
  WriteTail(record);
}

bool UserLexicalRuleEntry::ReadRecord(RecordReader& reader) {
  if (!ReadRuleHead(reader, kContextRangeOffset, IsContextRuleType)) return false;
  auto translations = ReadContextForm(reader);
  if (!translations) return false;
  ParseContextTranslations(*this, *translations, ContextTextForm::Stored);
  return ReadTail(reader, entry_limit::kText);
}

}  // namespace vorla

#include "dictionaries/UserVocabulary.h"

#include <limits>

#include "common/DataBuffer.h"
#include "dictionaries/DictionaryName.h"
#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularySets.h"
#include "dictionaries/VocabularyStreamCheck.h"
#include "dictionaries/VocabularyWriter.h"
#include "service/VocabularyTransfer.h"
#include "translation/TranslatorState.h"

namespace vorla {

namespace {

namespace e = dictionary_error;

constexpr int kRetryAllowed = 1;
constexpr std::size_t kLongestUniqueStem = 123;
constexpr int kMostUniqueSuffixes = 99;
constexpr std::size_t kLongestDescription = 511;

std::size_t EntryLimit(const Config& config) {
  const int limit = config.limits.max_size.load();
  return limit < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(limit);
}

}  // namespace

UserVocabulary::UserVocabulary(VocabularyServices services)
    : services_(std::move(services)),
      vocabulary_(std::make_unique<Vocabulary>(services_.config->pid())) {
  client_.Initialise(services_.config, services_.state, services_.connections);
}

VocabularySet* UserVocabulary::Set() const {
  const VocabularyHeader& header = vocabulary_->header;
  return services_.sets ? services_.sets->ForPair(header.srclan, header.tgtlan) : nullptr;
}

void UserVocabulary::Open(int srclan, int tgtlan, std::optional<std::string_view> name) {
  vocabulary_->Reset(services_.config->pid());
  SetLanguagePair(srclan, tgtlan);
  vocabulary_->header.uid = services_.state ? services_.state->UserId() : 0;
  new_ = true;
  modified_ = renamed_ = false;
  lastError_ = failedLoad_ = 0;
  if (!name) return;
  const VocabularySet* set = Set();
  vocabulary_->header.vocid = set ? set->IdByName(TrimDictionaryName(*name)) : 0;
  new_ = vocabulary_->header.vocid == 0;
  SetName(*name, false);
}

void UserVocabulary::SetLanguagePair(int srclan, int tgtlan) {
  vocabulary_->header.srclan = srclan;
  vocabulary_->header.tgtlan = tgtlan;
}

int UserVocabulary::ExchangeCode(std::int32_t result, std::int32_t status) {
  if (result != kVocabularyExchanged) return status < 0 ? status : e::kNoConnection;
  return status > 0 ? e::kServer : status;
}

int UserVocabulary::Fail(DictionaryOperation operation, int code, bool quiet, bool notFound) {
  lastError_ = code;
  if (!quiet) ReportError(operation, code, vocabulary_->header.name, notFound);
  return code;
}

int UserVocabulary::Load(bool quiet) {
  modified_ = renamed_ = false;
  lastError_ = 0;
  RefPtr<IDataBuffer> payload;
  std::int32_t status = 0;
  const std::int32_t result = client_.GetVocabulary(*vocabulary_, payload, status, kRetryAllowed);
  int code = ExchangeCode(result, status);
  if (code == 0) {
    // Read into a copy, so that a stream that does not read leaves the entries as they were.
    auto loaded = std::make_unique<Vocabulary>(services_.config->pid());
    loaded->header = vocabulary_->header;
    const std::string_view bytes =
        payload
            ? std::string_view(payload->GetData(), static_cast<std::size_t>(payload->GetLength()))
            : std::string_view();
    if (!bytes.empty() && ReadVocabulary(*loaded, bytes, EntryLimit(*services_.config))) {
      vocabulary_ = std::move(loaded);
    } else {
      code = e::kFormat;
    }
  }
  failedLoad_ = code;
  if (code != 0) return Fail(DictionaryOperation::Load, code, quiet, true);
  return 0;
}

int UserVocabulary::Save(bool skipNameTest, bool quiet) {
  VocabularyHeader& header = vocabulary_->header;
  const DictionaryOperation operation =
      new_ ? DictionaryOperation::Create : DictionaryOperation::Update;
  if (failedLoad_ != 0) return Fail(operation, failedLoad_, quiet);
  VocabularySet* set = Set();
  const bool nameTest = new_ || header.name != header.firstName;
  if (nameTest && !skipNameTest && set && set->NameInUse(header.name))
    return Fail(DictionaryOperation::Create, e::kNameInUse, quiet);
  if (!header.firstName.empty() && header.firstName != header.name) header.firstName = header.name;

  std::string stream;
  // The entry limit is the upload's to enforce (-14), not the check's.
  if (!WriteVocabulary(*vocabulary_, stream) ||
      !VerifyVocabularyStream(stream, std::numeric_limits<std::size_t>::max())) {
    return Fail(operation, e::kFormat, quiet);
  }
  const int code = SaveStream(stream);
  if (code != 0) return Fail(operation, code, quiet);
  modified_ = renamed_ = false;
  lastError_ = 0;
  return 0;
}

int UserVocabulary::SaveStream(std::string_view stream) {
  VocabularyHeader& header = vocabulary_->header;
  VocabularySet* set = Set();
  std::int32_t status = 0;
  if (!new_) {
    const std::int32_t result =
        client_.UploadVocabulary(*vocabulary_, stream, false, status, kRetryAllowed);
    const int code = ExchangeCode(result, status);
    if (code == 0 && renamed_ && header.voctype != kLexiconSession && set)
      set->RenameRow(header.vocid, header.name);
    return code;
  }

  // A new dictionary may take the place of a user dictionary of its name, never of a domain
  // lexicon's.
  const std::optional<LexiconRow> namesake = set && header.voctype != kLexiconSession
                                                 ? set->RowById(set->IdByName(header.name))
                                                 : std::nullopt;
  if (namesake && (namesake->voctype != kLexiconUser || namesake->vocid < kFirstUserVocabularyId))
    return e::kNameInUse;
  if (namesake) {
    header.vocid = namesake->vocid;
    const std::int32_t result =
        client_.UploadVocabulary(*vocabulary_, stream, false, status, kRetryAllowed);
    const int code = ExchangeCode(result, status);
    if (code != 0) {
      header.vocid = 0;
      return code;
    }
    set->SetRowKind(header.vocid, header.vocsubtype);
    new_ = false;
    return 0;
  }

  const std::int32_t result =
      client_.UploadVocabulary(*vocabulary_, stream, true, status, kRetryAllowed);
  if (result != kVocabularyExchanged || status < 0) return ExchangeCode(result, status);
  if (status < kFirstUserVocabularyId) return e::kUnexpected;
  header.vocid = status;
  if (header.voctype != kLexiconSession && set)
    set->AddRow(header.name, header.vocid, header.voctype, header.vocsubtype);
  new_ = false;
  return 0;
}

int UserVocabulary::Remove(bool quiet) {
  const VocabularyHeader& header = vocabulary_->header;
  if (header.vocid < kFirstUserVocabularyId) return 0;
  std::int32_t status = 0;
  const std::int32_t result = client_.RemoveVocabulary(*vocabulary_, status, kRetryAllowed);
  const int code = ExchangeCode(result, status);
  if (code != 0) return Fail(DictionaryOperation::Remove, code, quiet);
  if (VocabularySet* set = Set()) set->RemoveRow(header.vocid);
  lastError_ = 0;
  return 0;
}

int UserVocabulary::SetName(std::string_view name, bool testInUse) {
  name = TrimDictionaryName(name);
  if (!IsValidDictionaryName(name)) return e::kInvalidName;
  const VocabularySet* set = Set();
  if (testInUse && set && set->NameInUse(name)) return e::kNameInUse;
  VocabularyHeader& header = vocabulary_->header;
  if (name != header.name) {
    header.name = name;
    header.nameCopy = name;
    if (header.firstName.empty()) header.firstName = name;
    modified_ = renamed_ = true;
  }
  return 0;
}

int UserVocabulary::MakeUniqueName(std::optional<std::string_view> name) {
  const std::string stem(
      TrimDictionaryName(name.value_or(vocabulary_->header.name)).substr(0, kLongestUniqueStem));
  const VocabularySet* set = Set();
  std::string candidate = stem;
  for (int suffix = 1; set && set->NameInUse(candidate); ++suffix) {
    if (suffix > kMostUniqueSuffixes) return e::kInvalidName;
    candidate = stem + std::to_string(suffix);
  }
  return SetName(candidate, false);
}

bool UserVocabulary::SetDescription(std::string_view text) {
  std::string& description = vocabulary_->header.description;
  if (text == description || text.size() > kLongestDescription) return false;
  description = text;
  modified_ = renamed_ = true;
  return true;
}

std::optional<DictionaryErrorReport> UserVocabulary::ReportError(
    DictionaryOperation operation, int code, std::optional<std::string_view> name, bool notFound) {
  const Config& config = *services_.config;
  DictionaryErrorContext context;
  context.name = name;
  context.notFound = notFound;
  context.kind = vocabulary_->header.vocsubtype;
  context.userDictionary = vocabulary_->header.voctype == kLexiconUser;
  context.entries = vocabulary_->count();
  context.entryLimit = config.limits.max_size.load();
  context.dictionaryLimit = config.limits.max_count.load();
  auto report = DescribeDictionaryError(operation, code, context, config.GetUiLanguage());
  if (report && errorSink_) errorSink_(*report);
  return report;
}

}  // namespace vorla

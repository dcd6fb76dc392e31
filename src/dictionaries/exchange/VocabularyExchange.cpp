#include "dictionaries/exchange/VocabularyExchange.h"

#include <limits>

#include "common/FileWriting.h"
#include "dictionaries/VocabularyReader.h"
#include "dictionaries/VocabularyWriter.h"
#include "dictionaries/exchange/CsvDictionaryReader.h"
#include "dictionaries/exchange/CsvDictionaryWriter.h"
#include "dictionaries/exchange/CsvFileText.h"
#include "dictionaries/exchange/ExchangeErrors.h"
#include "dictionaries/exchange/ExchangeFormat.h"
#include "dictionaries/exchange/ImportNoteMessages.h"
#include "dictionaries/exchange/TmxDictionary.h"
#include "dictionaries/exchange/XlsxDictionary.h"
#include "dictionaries/exchange/XmlDictionary.h"
#include "service/CommonFields.h"
#include "translation/LanguagePairs.h"

namespace vorla {
namespace {

namespace e = exchange_error;

constexpr std::string_view kDefaultDictionaryName = "UserDictionary";
constexpr std::string_view kDefaultPhrasesName = "UserPhrases";

// The user dictionary as the readers' target. Merging, the file's pair must be the open
// dictionary's.
class UserImportTarget : public ImportTarget {
 public:
  UserImportTarget(UserVocabulary& dictionary, const Config& config, bool merge)
      : dictionary_(dictionary), config_(config), merge_(merge) {}
  Vocabulary& Dictionary() override { return dictionary_.vocabulary(); }
  int MaxEntries() const override { return config_.limits.max_size.load(); }
  int SetName(std::string_view name) override { return dictionary_.SetName(name, false); }
  int SetLanguagePair(int srclan, int tgtlan) override {
    const VocabularyHeader& header = dictionary_.vocabulary().header;
    if (merge_) return srclan == header.srclan && tgtlan == header.tgtlan ? 0 : e::kWrongPair;
    dictionary_.SetLanguagePair(srclan, tgtlan);
    return 0;
  }
  void MarkModified() override { dictionary_.MarkModified(); }

 private:
  UserVocabulary& dictionary_;
  const Config& config_;
  bool merge_;
};

WorkbookPlace WorkbookPlaceOf(const Config& config) {
  return {config.Dirs().temporary, static_cast<std::size_t>(config.limits.max_length.load())};
}

// English to Finnish needs its pair bit, Finnish to English its own; no other pair imports.
int PairCheck(const VocabularyHeader& header, int availablePairs) {
  if (header.srclan == language::kEnglish && header.tgtlan == language::kFinnish)
    return availablePairs & kPairEnglishFinnish ? 0 : e::kPairNotAvailable;
  if (header.srclan == language::kFinnish && header.tgtlan == language::kEnglish)
    return availablePairs & kPairFinnishEnglish ? 0 : e::kPairNotAvailable;
  return e::kWrongPair;
}

int UniqueName(UserVocabulary& dictionary, const std::string& name, std::string_view fallback) {
  if (!name.empty() && dictionary.MakeUniqueName(name) == 0) return 0;
  return dictionary.MakeUniqueName(fallback);
}

int ReadFile(UserVocabulary& dictionary, const Config& config, const ImportRequest& request,
             std::uint32_t& notes) {
  const std::string defaultName = DefaultImportName(request.path);
  const bool named = !request.merge;
  UserImportTarget target(dictionary, config, request.merge);
  switch (request.format) {
    case exchange_format::kXml:
      if (named && request.uniqueName) {
        if (const int code = UniqueName(dictionary, defaultName, kDefaultDictionaryName))
          return code;
      }
      return ReadXmlDictionary(target, request.path,
                               {.merge = request.merge, .keepName = request.uniqueName}, notes);
    case exchange_format::kTmx:
      if (named) {
        const int code = request.uniqueName
                             ? UniqueName(dictionary, defaultName, kDefaultPhrasesName)
                             : dictionary.SetName(defaultName, false);
        if (code) return code;
      }
      return ReadTmxDictionary(target, request.path, request.merge, notes);
    case exchange_format::kCsv:
    case exchange_format::kXlsx: {
      std::optional<CsvFileText> csv;
      if (request.format == exchange_format::kCsv) {
        csv = ReadCsvFileText(request.path);
        if (csv->result != 0) return csv->result;
      }
      if (named) {
        const int code = request.uniqueName
                             ? UniqueName(dictionary, defaultName, kDefaultDictionaryName)
                             : dictionary.SetName(defaultName, false);
        if (code) return code;
      }
      const int flags = csv_read::kSkipInvalidRows | (request.merge ? csv_read::kMerge : 0);
      const auto limit = static_cast<std::size_t>(target.MaxEntries());
      if (csv) return ReadCsvDictionary(dictionary.vocabulary(), csv->text, flags, 0, notes, limit);
      return ReadXlsxDictionary(dictionary.vocabulary(), request.path, flags, notes, limit,
                                WorkbookPlaceOf(config).maxLength);
    }
    default:
      return e::kInvalid;
  }
}

std::string Snapshot(Vocabulary& vocabulary) {
  std::string stream;
  WriteVocabulary(vocabulary, stream);
  return stream;
}

// The entries of the snapshot back, under the header as it was.
void Restore(Vocabulary& vocabulary, const VocabularyHeader& header, const std::string& stream) {
  vocabulary.Reset(header.pid);
  ReadVocabulary(vocabulary, stream, std::numeric_limits<std::size_t>::max());
  vocabulary.header = header;
}

}  // namespace

int ExportVocabulary(UserVocabulary& dictionary, const Config& config,
                     const std::filesystem::path& path, int format, UiLanguage headerLanguage) {
  const Vocabulary& vocabulary = dictionary.vocabulary();
  std::string content;
  content.reserve(static_cast<std::size_t>(vocabulary.count()) * 128 + 512);
  int code = 0;
  switch (format) {
    case exchange_format::kXml:
      WriteXmlDictionary(vocabulary, content);
      break;
    case exchange_format::kCsv:
      WriteCsvDictionary(vocabulary, content, headerLanguage, ';');
      break;
    case exchange_format::kXlsx:
      code = WriteXlsxDictionary(vocabulary, content, headerLanguage, WorkbookPlaceOf(config));
      break;
    case exchange_format::kTmx:
      code = WriteTmxDictionary(
          vocabulary,
          {Config::kProductName, FormatVersion(config.version()), config.GetUiLanguage()}, content);
      break;
    default:
      code = e::kInvalid;
  }
  if (code == 0 && !WriteFileReplacing(path, content)) code = e::kNotWritten;
  if (code != 0) dictionary.ReportError(DictionaryOperation::Export, code, std::nullopt, false);
  return code;
}

int ImportVocabulary(UserVocabulary& dictionary, const Config& config, const ImportRequest& request,
                     const ImportNoteSink& notes) {
  Vocabulary& vocabulary = dictionary.vocabulary();
  const std::string before = request.merge ? Snapshot(vocabulary) : std::string();
  const VocabularyHeader headerBefore = vocabulary.header;
  if (!request.merge) dictionary.MarkNew();
  const auto fail = [&](int code) {
    if (request.merge) Restore(vocabulary, headerBefore, before);
    if (code != dictionary_error::kNameInUse)
      dictionary.ReportError(DictionaryOperation::Import, code, std::nullopt, false);
    return code;
  };

  std::uint32_t noteBits = 0;
  int code = ReadFile(dictionary, config, request, noteBits);
  if (code != 0 && code != e::kTruncated) return fail(code);
  const VocabularyHeader& header = vocabulary.header;
  const UiLanguage language = config.GetUiLanguage();
  if (!request.repeat) {
    for (const std::string& note :
         ImportNoteMessages(noteBits, request.format, header.vocsubtype, header.srclan, language))
      notes(note);
    if (code == e::kTruncated)
      notes(TruncatedImportMessage(header.vocsubtype, config.limits.max_size.load(), language));
  }
  if (const int pair = PairCheck(header, request.availablePairs)) return fail(pair);
  if (!request.merge) {
    vocabulary.header.shtype = 0;
    vocabulary.header.voctype = 1;
    vocabulary.header.pid = config.pid();
  }
  code = dictionary.Save(false, true);
  return code == 0 ? 0 : fail(code);
}

}  // namespace vorla

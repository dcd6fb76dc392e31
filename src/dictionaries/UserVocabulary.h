#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/RefPtr.h"
#include "config/Config.h"
#include "dictionaries/DictionaryErrors.h"
#include "dictionaries/Vocabulary.h"
#include "service/HttpConnFactory.h"
#include "service/ServiceClient.h"

namespace vorla {

class TranslatorState;
class VocabularySet;
class VocabularySets;

// What a dictionary on the service works with: the configuration, the translator state (the
// user and the silent re-login), the connections and the dictionary sets whose lists it keeps
// in step.
struct VocabularyServices {
  RefPtr<Config> config;
  TranslatorState* state = nullptr;
  std::shared_ptr<HttpConnFactory> connections;
  std::shared_ptr<VocabularySets> sets;
};

// One dictionary being worked on (edited, filled, imported, exported): it owns the entries
// and carries out load, save and remove through the service, keeping the set of its
// direction in step. Each operation returns 0 or a dictionary error code and, unless quiet,
// hands the failure's report to the error sink. Used by one thread at a time; only the
// client's Cancel may come from another.
class UserVocabulary {
 public:
  using ErrorSink = std::function<void(const DictionaryErrorReport&)>;

  explicit UserVocabulary(VocabularyServices services);
  UserVocabulary(const UserVocabulary&) = delete;
  UserVocabulary& operator=(const UserVocabulary&) = delete;

  // Starts afresh on a pair; a listed name takes its identifier (and is then not new).
  void Open(int srclan, int tgtlan, std::optional<std::string_view> name);
  void SetLanguagePair(int srclan, int tgtlan);

  // Fetches the stored entries. On any failure the entries in memory stay as they were and
  // the dictionary refuses to be saved until a load succeeds.
  int Load(bool quiet);
  // Creates or updates the dictionary on the service. The stream is checked to read back
  // into the same dictionary first; one that does not is never sent (-1).
  int Save(bool skipNameTest, bool quiet);
  // Removes a stored dictionary from the service and its row from the set.
  int Remove(bool quiet);

  // Trims the name; 0, -3 for an invalid name, -6 when testing and the set has it.
  int SetName(std::string_view name, bool testInUse);
  // The name (or the current one) trimmed and cut to 123 bytes, with 1 to 99 appended while
  // the set has it: 0, or -3 when all are taken.
  int MakeUniqueName(std::optional<std::string_view> name);
  // Stores a text shorter than 512 bytes that differs; whether it did.
  bool SetDescription(std::string_view text);

  // The report of a failure (nothing for a code of 0 or more), also handed to the sink.
  std::optional<DictionaryErrorReport> ReportError(DictionaryOperation operation, int code,
                                                   std::optional<std::string_view> name,
                                                   bool notFound);
  void SetErrorSink(ErrorSink sink) { errorSink_ = std::move(sink); }

  Vocabulary& vocabulary() { return *vocabulary_; }
  const Vocabulary& vocabulary() const { return *vocabulary_; }
  ServiceClient& client() { return client_; }
  bool IsNew() const { return new_; }
  void MarkNew() { new_ = true; }
  bool IsModified() const { return modified_; }
  // After an entry change.
  void MarkModified() { modified_ = true; }
  bool IsRenamed() const { return renamed_; }
  int LastError() const { return lastError_; }

 private:
  VocabularySet* Set() const;
  // The code of an exchange: the status when the exchange failed with a negative one, else
  // -11; a positive status where success is 0 is -9.
  static int ExchangeCode(std::int32_t result, std::int32_t status);
  int SaveStream(std::string_view stream);
  int Fail(DictionaryOperation operation, int code, bool quiet, bool notFound = false);

  VocabularyServices services_;
  std::unique_ptr<Vocabulary> vocabulary_;
  ServiceClient client_;
  ErrorSink errorSink_;
  bool new_ = true;
  bool modified_ = false;
  bool renamed_ = false;
  int lastError_ = 0;
  // The code of the last load when it failed: saving is refused until a load succeeds.
  int failedLoad_ = 0;
};

}  // namespace vorla

#include "dictionaries/SessionVocabulary.h"

#include <future>
#include <string>

#include "dictionaries/VocabularySets.h"
#include "service/VocabularyTransfer.h"
#include "translation/TranslatorState.h"

namespace vorla {

SessionVocabulary::SessionVocabulary(VocabularyServices services, int srclan, int tgtlan)
    : services_(std::move(services)), srclan_(srclan), tgtlan_(tgtlan) {}

int SessionVocabulary::Create(bool saveNow) {
  if (dictionary_) return 0;
  dictionary_ = std::make_unique<UserVocabulary>(services_);
  dictionary_->Open(srclan_, tgtlan_, std::nullopt);
  dictionary_->vocabulary().header.voctype = kLexiconSession;
  const int session = services_.state ? services_.state->SessionNumber() : 0;
  dictionary_->SetName(
      "#Session#" + std::to_string(services_.config->pid()) + "#" + std::to_string(session), false);
  dictionary_->MarkNew();
  return saveNow ? Save() : 0;
}

int SessionVocabulary::Save() {
  if (!dictionary_) return 0;
  const int code = dictionary_->Save(true, false);
  Publish();
  return code;
}

void SessionVocabulary::Publish() {
  VocabularySet* set = services_.sets ? services_.sets->ForPair(srclan_, tgtlan_) : nullptr;
  if (!set) return;
  if (!dictionary_) {
    set->SetSessionDictionary(std::nullopt);
    return;
  }
  const Vocabulary& vocabulary = dictionary_->vocabulary();
  set->SetSessionDictionary(SessionDictionaryInfo{vocabulary.header.vocid, vocabulary.count() > 0});
}

void SessionVocabulary::Discard(std::chrono::steady_clock::time_point deadline) {
  if (!dictionary_) return;
  std::unique_ptr<UserVocabulary> dictionary = std::move(dictionary_);
  Publish();
  if (dictionary->vocabulary().header.vocid < kFirstUserVocabularyId) return;
  auto removal = std::async(std::launch::async, [&dictionary] { dictionary->Remove(true); });
  if (removal.wait_until(deadline) != std::future_status::ready) dictionary->client().Cancel();
  removal.wait();
}

}  // namespace vorla

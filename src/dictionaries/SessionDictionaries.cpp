#include "dictionaries/SessionDictionaries.h"

#include <future>
#include <vector>

#include "translation/LanguageFamily.h"

namespace vorla {

SessionDictionaries::SessionDictionaries(VocabularyServices services)
    : services_(std::move(services)) {}

SessionVocabulary& SessionDictionaries::Of(DictionaryDirection direction) {
  auto& session = sessions_[static_cast<std::size_t>(direction)];
  if (!session) {
    const bool englishFinnish = direction == DictionaryDirection::EnglishFinnish;
    session = std::make_unique<SessionVocabulary>(
        services_, englishFinnish ? kLanguageEnglish : kLanguageFinnish,
        englishFinnish ? kLanguageFinnish : kLanguageEnglish);
  }
  return *session;
}

void SessionDictionaries::DiscardAll(std::chrono::steady_clock::time_point deadline) {
  std::vector<std::future<void>> discards;
  for (auto& session : sessions_) {
    if (!session) continue;
    discards.push_back(
        std::async(std::launch::async, [&session, deadline] { session->Discard(deadline); }));
  }
  for (auto& discard : discards)
    discard.wait();
}

}  // namespace vorla

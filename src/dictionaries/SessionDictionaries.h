#pragma once

#include <array>
#include <chrono>
#include <memory>

#include "dictionaries/SessionVocabulary.h"
#include "translation/ActiveDictionaryView.h"

namespace vorla {

// The session dictionaries of a run, one per direction, each made when first asked for.
// The program keeps them and discards them all when it ends.
class SessionDictionaries {
 public:
  explicit SessionDictionaries(VocabularyServices services);

  SessionVocabulary& Of(DictionaryDirection direction);
  // Removes every stored one from the service; the removals run side by side and none is
  // waited for past the deadline.
  void DiscardAll(std::chrono::steady_clock::time_point deadline);

 private:
  VocabularyServices services_;
  std::array<std::unique_ptr<SessionVocabulary>, 2> sessions_;
};

}  // namespace vorla

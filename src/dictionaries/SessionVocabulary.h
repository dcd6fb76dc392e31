#pragma once

#include <chrono>
#include <memory>

#include "dictionaries/UserVocabulary.h"

namespace vorla {

// The scratch dictionary of one run and direction: a session dictionary (voctype 3) named
// "#Session#<pid>#<session number>", never listed, that jobs carry first while it holds
// entries. It is removed from the service when the run ends.
class SessionVocabulary {
 public:
  SessionVocabulary(VocabularyServices services, int srclan, int tgtlan);
  SessionVocabulary(const SessionVocabulary&) = delete;
  SessionVocabulary& operator=(const SessionVocabulary&) = delete;

  // Makes the dictionary once; with saveNow it is stored at once. 0 or the save's code.
  int Create(bool saveNow);
  // Stores the dictionary after a change and tells the set what jobs should carry.
  int Save();
  // Removes a stored dictionary from the service, waiting for the service at most until the
  // deadline (then the request is cancelled), and forgets it.
  void Discard(std::chrono::steady_clock::time_point deadline);

  // Nothing before Create.
  UserVocabulary* dictionary() { return dictionary_.get(); }

 private:
  void Publish();

  VocabularyServices services_;
  const int srclan_;
  const int tgtlan_;
  std::unique_ptr<UserVocabulary> dictionary_;
};

}  // namespace vorla

#pragma once

#include <string_view>

namespace vorla {

// Takes the lexicon lists that every login fetches: the English-to-Finnish list, a line
// feed and the Finnish-to-English list. The translator's dictionary sets implement it.
class LexiconInfoReceiver {
 public:
  virtual ~LexiconInfoReceiver() = default;

  virtual void ReceiveLexiconInfo(std::string_view lists) = 0;
};

}  // namespace vorla

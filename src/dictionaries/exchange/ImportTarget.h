#pragma once

#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla {

// The dictionary an exchange-file reader fills, with what its dictionary set decides.
class ImportTarget {
 public:
  virtual ~ImportTarget() = default;
  virtual Vocabulary& Dictionary() = 0;
  // The largest number of entries a user dictionary may hold.
  virtual int MaxEntries() const = 0;
  // Names the dictionary by the set's rules, without asking whether the name is in use:
  // 0, or the dictionary error of an invalid name.
  virtual int SetName(std::string_view name) = 0;
  // The file's language pair: 0, or the error that ends the import (a merge into a
  // dictionary of another pair).
  virtual int SetLanguagePair(int srclan, int tgtlan) = 0;
  // The header changed (a new description).
  virtual void MarkModified() = 0;
};

}  // namespace vorla

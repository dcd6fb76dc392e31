#pragma once

#include <string>
#include <string_view>

#include "dictionaries/DictionaryName.h"
#include "dictionaries/Vocabulary.h"
#include "dictionaries/exchange/ImportTarget.h"

namespace vorla::test {

// A dictionary of its own as the readers' target; names are checked by the name rules.
class TestImportTarget : public ImportTarget {
 public:
  explicit TestImportTarget(int maxEntries = 100'000) : maxEntries_(maxEntries) {
    vocabulary.header.name = "Before";
  }
  Vocabulary& Dictionary() override { return vocabulary; }
  int MaxEntries() const override { return maxEntries_; }
  int SetName(std::string_view name) override {
    const std::string_view trimmed = TrimDictionaryName(name);
    if (!IsValidDictionaryName(trimmed)) return -3;
    vocabulary.header.name = trimmed;
    return 0;
  }
  int SetLanguagePair(int srclan, int tgtlan) override {
    vocabulary.header.srclan = srclan;
    vocabulary.header.tgtlan = tgtlan;
    return 0;
  }
  void MarkModified() override { ++modified; }

  Vocabulary vocabulary;
  int modified = 0;

 private:
  int maxEntries_;
};

}  // namespace vorla::test

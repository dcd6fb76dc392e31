#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dictionaries/Vocabulary.h"

namespace vorla::test {

inline constexpr std::size_t kMaxSize = 100'000;

// An empty dictionary of the kind and languages, named "Sample".
std::unique_ptr<Vocabulary> MakeDictionary(DictionaryKind kind, int srclan = 0, int tgtlan = 1);

// A dictionary of the kind holding entries of every record shape it can carry: attributes on
// both sides, multi-word terms with and without modifier and complement, phrases with
// blanks, rules with context words, coded translations and ranges at their edges.
std::unique_ptr<Vocabulary> MakeSample(DictionaryKind kind);

// The stream of a dictionary (which must be writable).
std::string StreamOf(Vocabulary& vocabulary);

// Bytes on the heap with nothing after them, so a read past the end is caught.
class ExactBytes {
 public:
  explicit ExactBytes(std::string_view bytes);
  std::string_view view() const { return {data_.get(), size_}; }

 private:
  std::unique_ptr<char[]> data_;
  std::size_t size_;
};

}  // namespace vorla::test

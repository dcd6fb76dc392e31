#pragma once

// What the exchange-file fuzzers share: a dictionary to read into, and one scratch file per
// process that holds the input (the readers read files as they go).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/XmlPullReader.h"
#include "dictionaries/exchange/ImportTarget.h"

namespace vorla::fuzz {

// Named from the start, as every dictionary an import fills is, so that what it exports
// carries a name to read back.
class FuzzImportTarget : public ImportTarget {
 public:
  FuzzImportTarget() { vocabulary.header.name = "Fuzz"; }
  Vocabulary& Dictionary() override { return vocabulary; }
  int MaxEntries() const override { return 1000; }
  int SetName(std::string_view name) override {
    vocabulary.header.name = name;
    return 0;
  }
  int SetLanguagePair(int srclan, int tgtlan) override {
    vocabulary.header.srclan = srclan;
    vocabulary.header.tgtlan = tgtlan;
    return 0;
  }
  void MarkModified() override {}
  Vocabulary vocabulary;
};

inline std::filesystem::path ScratchFile(std::string_view bytes) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("vorla-fuzz-" + std::to_string(getpid()));
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) __builtin_trap();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  return path;
}

// What a writer produced must be a well-formed document.
inline void RequireWellFormed(std::string_view document) {
  auto reader = OpenXmlBytes(document);
  XmlNode node;
  while ((node = reader->Next()) != XmlNode::kEndOfDocument)
    if (node == XmlNode::kError) __builtin_trap();
}

}  // namespace vorla::fuzz

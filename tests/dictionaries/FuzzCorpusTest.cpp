#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SampleDictionaries.h"

namespace vorla {
namespace {

// The fuzz target's seed corpus is the stream of each sample dictionary. The test fails
// when a seed no longer matches what the writer produces; run it with
// VORLA_UPDATE_FUZZ_CORPUS=1 to write the seeds again.
TEST(FuzzCorpus, SeedsAreTheWritersStreams) {
  const std::filesystem::path corpus = VORLA_DICTIONARY_FUZZ_CORPUS;
  const bool update = std::getenv("VORLA_UPDATE_FUZZ_CORPUS") != nullptr;
  const std::pair<const char*, DictionaryKind> seeds[] = {
      {"normal.voc", DictionaryKind::Normal},
      {"phrases.voc", DictionaryKind::Phrases},
      {"context-rules.voc", DictionaryKind::ContextRules},
      {"disambiguation.voc", DictionaryKind::Disambiguation},
  };
  for (const auto& [file, kind] : seeds) {
    const std::string stream = test::StreamOf(*test::MakeSample(kind));
    if (update) {
      std::ofstream(corpus / file, std::ios::binary) << stream;
      continue;
    }
    std::ifstream in(corpus / file, std::ios::binary);
    std::ostringstream seed;
    seed << in.rdbuf();
    EXPECT_EQ(seed.str(), stream) << file;
  }
}

}  // namespace
}  // namespace vorla

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::sim {

// What an upload says about its dictionary, against which its stream is checked.
struct DeclaredDictionary {
  std::int32_t voctype = 1;
  std::int32_t vocsubtype = 0;  // 0 Normal, 1 Phrases, 2 ContextRules, 3 Disambiguation
  std::int32_t shtype = 0;
  std::int32_t srclan = 0;
  std::int32_t tgtlan = 1;
  std::int32_t defcnt = 0;
  std::int32_t compcnt = 0;
  std::string name;  // Windows-1252
};

// A term or phrase of a stored dictionary, as the engine applies it (Windows-1252; the
// words of a source separated by single blanks).
struct StoredTerm {
  std::string source;
  std::string target;
};

struct StreamCheck {
  std::string problem;            // empty when the stream is what the upload declared
  std::vector<StoredTerm> terms;  // of a Normal or Phrases dictionary

  bool ok() const { return problem.empty(); }
};

// The service's own reading of a dictionary stream: the version tag and user numbers, the
// six header bytes against the declared type, kind, sharing type and languages, the name
// against the declared one and the description, the count fields against defcnt and
// compcnt, every record of each count, and the closing "#EOF" with nothing after it. How
// many entries the service accepts is the caller's check.
StreamCheck CheckDictionaryStream(std::string_view stream, const DeclaredDictionary& declared);

}  // namespace vorla::sim

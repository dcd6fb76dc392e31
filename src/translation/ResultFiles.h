#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "common/FileWriting.h"
#include "common/RefPtr.h"
#include "config/Config.h"

namespace vorla {

// A name taken from a path, an address or an answer of the service, reduced to a safe base
// name: what follows the last "/" or "\", without control bytes and without leading dots.
// Empty when nothing remains.
std::string SafeBaseName(std::string_view name);

// A result file, created for this result alone and open for writing.
struct ResultFile {
  std::filesystem::path path;
  UniqueFile file;
};

// Names and creates the files that results are written to, in the documents work folder:
// "report translation~186a1.docx" for report.docx, the number from the running counter
// "trfuid" plus 100000.
class ResultFiles {
 public:
  explicit ResultFiles(RefPtr<Config> config) : config_(std::move(config)) {}

  // The source name (UTF-8, may be empty) without its extension, " translation" (Finnish
  // " käännös"), "~", the next number in hexadecimal and the extension of the target format
  // (1 to 15). The file is created exclusively: a name that exists is never reused. Nothing
  // for a source name of 240 characters or more, a path of 260 characters or more, another
  // format, or when no file can be created.
  std::optional<ResultFile> Create(std::string_view sourceName, int targetFormat);

 private:
  // The counter's next value, stored at once; it wraps instead of overflowing.
  int NextNumber();

  RefPtr<Config> config_;
  std::mutex counterMutex_;
};

}  // namespace vorla

#pragma once

#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace vorla {

// One soffice conversion: the extension the input is written under, the --convert-to
// argument and the extension of the file it makes.
struct SofficeFilter {
  std::string_view fromExtension;
  std::string_view convertTo;  // for example "docx:MS Word 2007 XML"
  std::string_view toExtension;
};

// Converts documents with LibreOffice's headless soffice, found on the PATH. Every run uses
// the one profile folder given (a fresh profile costs seconds on the first run, and two
// instances cannot share one), so runs are made one at a time.
class SofficeConverter {
 public:
  struct Options {
    std::filesystem::path profileFolder;
    std::chrono::milliseconds timeout = std::chrono::minutes(2);
    std::string program = "soffice";  // a name looked up on the PATH, or a path
  };

  explicit SofficeConverter(Options options);

  // Whether the program was found; looked up on the first call and kept.
  bool IsAvailable();

  // The converted bytes; nothing when the program is missing, fails, runs out of time or
  // writes no result.
  std::optional<std::string> Convert(std::string_view input, const SofficeFilter& filter);

 private:
  const std::filesystem::path& Program();

  const Options options_;
  std::mutex mutex_;
  std::once_flag lookedUp_;
  std::filesystem::path program_;
};

}  // namespace vorla

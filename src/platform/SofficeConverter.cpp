#include "platform/SofficeConverter.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "platform/ChildProcess.h"
#include "platform/TemporaryFolder.h"

namespace vorla {
namespace {

namespace fs = std::filesystem;

bool IsExecutable(const fs::path& path) {
  return fs::is_regular_file(path) && access(path.c_str(), X_OK) == 0;
}

fs::path FindOnPath(const std::string& program) {
  if (program.find('/') != std::string::npos)
    return IsExecutable(program) ? fs::path(program) : fs::path();
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    const fs::path candidate = fs::path(folder) / program;
    if (IsExecutable(candidate)) return candidate;
  }
  return {};
}

bool WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

std::optional<std::string> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

// soffice takes its profile folder as a file URL.
std::string ProfileArgument(const fs::path& folder) {
  return "-env:UserInstallation=file://" + fs::absolute(folder).string();
}

}  // namespace

SofficeConverter::SofficeConverter(Options options) : options_(std::move(options)) {}

const fs::path& SofficeConverter::Program() {
  std::call_once(lookedUp_, [this] { program_ = FindOnPath(options_.program); });
  return program_;
}

bool SofficeConverter::IsAvailable() {
  return !Program().empty();
}

std::optional<std::string> SofficeConverter::Convert(std::string_view input,
                                                     const SofficeFilter& filter) {
  if (!IsAvailable()) return std::nullopt;
  const TemporaryFolder work(fs::temp_directory_path());
  if (work.path().empty()) return std::nullopt;
  const fs::path source = work.path() / ("document." + std::string(filter.fromExtension));
  const fs::path outputFolder = work.path() / "out";
  if (!WriteBytes(source, input)) return std::nullopt;

  const std::vector<std::string> arguments = {
      ProfileArgument(options_.profileFolder),
      "--headless",
      "--norestore",
      "--nologo",
      "--nolockcheck",
      "--convert-to",
      std::string(filter.convertTo),
      "--outdir",
      outputFolder.string(),
      source.string(),
  };
  const std::lock_guard lock(mutex_);
  if (!RunProgram(Program(), arguments, options_.timeout).Succeeded()) return std::nullopt;
  const fs::path result = outputFolder / ("document." + std::string(filter.toExtension));
  std::optional<std::string> bytes = ReadBytes(result);
  if (!bytes || bytes->empty()) return std::nullopt;
  return bytes;
}

}  // namespace vorla

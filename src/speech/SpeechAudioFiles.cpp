#include "speech/SpeechAudioFiles.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "common/FileWriting.h"

namespace vorla {

namespace {

constexpr int kNameTries = 100;
constexpr std::size_t kLongestPath = 258;
constexpr std::string_view kPrefix = "temp_";

// The process of a "temp_<process>_<counter>.<extension>" name.
std::optional<std::int64_t> ProcessOfName(std::string_view name) {
  if (!name.starts_with(kPrefix)) return std::nullopt;
  name.remove_prefix(kPrefix.size());
  std::int64_t process = 0;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), process);
  if (error != std::errc() || end == name.data() || end == name.data() + name.size() ||
      *end != '_') {
    return std::nullopt;
  }
  return process;
}

}  // namespace

std::optional<std::filesystem::path> WriteSpeechAudioFile(const std::filesystem::path& folder,
                                                          std::int64_t processId, int& counter,
                                                          std::string_view extension,
                                                          std::string_view audio) {
  for (int attempt = 0; attempt < kNameTries; ++attempt) {
    const std::string name = std::string(kPrefix) + std::to_string(processId) + "_" +
                             std::to_string(++counter) + "." + std::string(extension);
    const std::filesystem::path path = folder / name;
    if (path.native().size() > kLongestPath) return std::nullopt;
    UniqueFile file = CreateFileExclusively(path);
    if (!file) continue;
    const bool written = std::fwrite(audio.data(), 1, audio.size(), file.get()) == audio.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (written && closed) return path;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return std::nullopt;
  }
  return std::nullopt;
}

void RemoveStaleSpeechAudioFiles(const std::filesystem::path& folder,
                                 const ProcessRunning& processRunning) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const auto process = ProcessOfName(entry.path().filename().string());
    if (!process || processRunning(*process)) continue;
    std::error_code ignored;
    std::filesystem::remove(entry.path(), ignored);
  }
}

}  // namespace vorla

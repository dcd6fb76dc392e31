#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace vorla {

// Whether the process of an id still runs; the platform answers it.
using ProcessRunning = std::function<bool(std::int64_t processId)>;

// Writes the audio to a new file "temp_<process>_<counter>.<extension>" of the folder,
// created exclusively: a name that exists is skipped (the counter goes on), up to 100 tries.
// Nothing when no name is free, the path would be 259 characters or longer, or the audio
// cannot be written.
std::optional<std::filesystem::path> WriteSpeechAudioFile(const std::filesystem::path& folder,
                                                          std::int64_t processId, int& counter,
                                                          std::string_view extension,
                                                          std::string_view audio);

// Deletes the "temp_<process>_*" files of the folder whose process no longer runs; the
// desktop client and the command line share the folder, so a running one keeps its files.
void RemoveStaleSpeechAudioFiles(const std::filesystem::path& folder,
                                 const ProcessRunning& processRunning);

}  // namespace vorla

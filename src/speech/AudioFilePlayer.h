#pragma once

#include <filesystem>
#include <functional>

namespace vorla {

// Plays audio files, one at a time, on the window thread.
class AudioFilePlayer {
 public:
  virtual ~AudioFilePlayer() = default;

  // Opens and plays the file at the volume (0 to 1000), closing one that is open; ended runs
  // on the window thread when the playback ends or is closed. False when the file cannot be
  // opened or played (ended never runs then).
  virtual bool Play(const std::filesystem::path& file, int volume, std::function<void()> ended) = 0;
  // Closes the file being played; its ended runs.
  virtual void Close() = 0;
};

}  // namespace vorla

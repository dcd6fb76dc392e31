#pragma once

#include <QObject>

#include "speech/AudioFilePlayer.h"

class QMediaPlayer;
class QAudioOutput;

namespace vorla {

// Plays audio files (WAV, MP3) with Qt Multimedia on the thread that made it. The media
// player is made at the first file, so that a window that never plays loads no backend.
class QtAudioFilePlayer final : public AudioFilePlayer {
 public:
  QtAudioFilePlayer();
  ~QtAudioFilePlayer() override;

  bool Play(const std::filesystem::path& file, int volume, std::function<void()> ended) override;
  void Close() override;

 private:
  void MakePlayer();
  void Ended();

  QMediaPlayer* player_ = nullptr;
  QAudioOutput* output_ = nullptr;
  std::function<void()> ended_;
};

}  // namespace vorla

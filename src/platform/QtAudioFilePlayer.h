#pragma once

#include <QObject>

#include "speech/AudioFilePlayer.h"

class QMediaPlayer;
class QAudioOutput;

namespace vorla {

// Plays audio files (WAV, MP3) with Qt Multimedia on the thread that made it.
class QtAudioFilePlayer final : public AudioFilePlayer {
 public:
  QtAudioFilePlayer();
  ~QtAudioFilePlayer() override;

  bool Play(const std::filesystem::path& file, int volume, std::function<void()> ended) override;
  void Close() override;

 private:
  void Ended();

  QMediaPlayer* player_;
  QAudioOutput* output_;
  std::function<void()> ended_;
};

}  // namespace vorla

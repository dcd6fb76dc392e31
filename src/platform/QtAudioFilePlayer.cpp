#include "platform/QtAudioFilePlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace vorla {

QtAudioFilePlayer::QtAudioFilePlayer() = default;

void QtAudioFilePlayer::MakePlayer() {
  if (player_) return;
  player_ = new QMediaPlayer;
  output_ = new QAudioOutput(player_);
  player_->setAudioOutput(output_);
  QObject::connect(
      player_, &QMediaPlayer::mediaStatusChanged, player_,
      [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia) {
          Ended();
        }
      });
  QObject::connect(player_, &QMediaPlayer::errorOccurred, player_, [this] { Ended(); });
}

QtAudioFilePlayer::~QtAudioFilePlayer() {
  ended_ = {};
  delete player_;
}

bool QtAudioFilePlayer::Play(const std::filesystem::path& file, int volume,
                             std::function<void()> ended) {
  Close();
  MakePlayer();
  if (output_->device().isNull()) return false;
  output_->setVolume(static_cast<float>(volume) / 1000.0f);
  player_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  if (player_->error() != QMediaPlayer::NoError) return false;
  ended_ = std::move(ended);
  player_->play();
  return true;
}

void QtAudioFilePlayer::Close() {
  if (!ended_) return;
  player_->stop();
  player_->setSource({});
  Ended();
}

void QtAudioFilePlayer::Ended() {
  if (auto ended = std::exchange(ended_, {})) ended();
}

}  // namespace vorla

#include "platform/QtPcmOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

namespace vorla {

namespace {

using namespace std::chrono_literals;

// Samples the queue holds before Write waits: a fifth of a second at 22,050 Hz.
constexpr std::size_t kQueuedSamples = 4'410;

// The device the sink pulls from.
class QueueDevice final : public QIODevice {
 public:
  explicit QueueDevice(QtPcmOutput& output) : output_(output) {}
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return 1 << 16; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override { return output_.Fill(data, maxSize); }
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  QtPcmOutput& output_;
};

}  // namespace

QtPcmOutput::QtPcmOutput() : host_(new QObject) {
  host_->moveToThread(&thread_);
  thread_.start();
}

QtPcmOutput::~QtPcmOutput() {
  Abort();
  QMetaObject::invokeMethod(
      host_,
      [this] {
        if (sink_) sink_->stop();
        delete sink_;
        delete host_;
      },
      Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

bool QtPcmOutput::Open(int sampleRate) {
  sampleRate_ = sampleRate;
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  bool started = false;
  QMetaObject::invokeMethod(
      host_,
      [&] {
        const auto device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format)) return;
        sink_ = new QAudioSink(device, format);
        auto* queue = new QueueDevice(*this);
        queue->setParent(sink_);
        queue->open(QIODevice::ReadOnly);
        sink_->start(queue);
        started = sink_->error() == QAudio::NoError;
        std::lock_guard lock(mutex_);
        latencySamples_ = sink_->bufferSize() / 2;
      },
      Qt::BlockingQueuedConnection);
  return started;
}

std::int64_t QtPcmOutput::Fill(char* data, std::int64_t bytes) {
  std::lock_guard lock(mutex_);
  const auto samples = static_cast<std::size_t>(bytes / 2);
  const std::size_t real = std::min(samples, queue_.size());
  auto* out = reinterpret_cast<std::int16_t*>(data);
  std::copy_n(queue_.begin(), real, out);
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(real));
  std::memset(out + real, 0, (samples - real) * 2);  // silence keeps the sink running
  taken_ += static_cast<std::int64_t>(real);
  if (queue_.empty() && !dry_) {
    dry_ = true;
    dryAt_ = std::chrono::steady_clock::now();
  }
  changed_.notify_all();
  return static_cast<std::int64_t>(samples * 2);
}

bool QtPcmOutput::Write(std::span<const std::int16_t> samples) {
  std::unique_lock lock(mutex_);
  for (const std::int16_t sample : samples) {
    changed_.wait(lock, [this] { return aborted_ || queue_.size() < kQueuedSamples; });
    if (aborted_) return false;
    queue_.push_back(sample);
    dry_ = false;
  }
  return !aborted_;
}

std::int64_t QtPcmOutput::HeardLocked() const {
  std::int64_t heard = taken_ - latencySamples_;
  if (dry_) {
    const auto dryFor = std::chrono::steady_clock::now() - dryAt_;
    heard +=
        std::chrono::duration_cast<std::chrono::milliseconds>(dryFor).count() * sampleRate_ / 1000;
  }
  return std::min(heard, taken_);
}

bool QtPcmOutput::WaitHeard(std::int64_t sample) {
  std::unique_lock lock(mutex_);
  while (!aborted_ && HeardLocked() < sample)
    changed_.wait_for(lock, 10ms);
  return !aborted_;
}

void QtPcmOutput::Abort() {
  std::lock_guard lock(mutex_);
  aborted_ = true;
  changed_.notify_all();
}

}  // namespace vorla

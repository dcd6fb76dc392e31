// A local voice played through the real audio path: Qt Multimedia into a PulseAudio server
// of the test's own whose null sink consumes the sound at its real pace.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "platform/EspeakSynthesizer.h"
#include "platform/QtPcmOutput.h"
#include "speech/StreamedSpeechEngine.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A PulseAudio server with a null sink, reached through its socket in the test's home.
class PulseServer {
 public:
  PulseServer() {
    const auto runtime = test::CurrentHome() / "pulse";
    std::filesystem::create_directories(runtime);
    socket_ = runtime / "native";
    const std::string socketModule =
        "module-native-protocol-unix auth-anonymous=1 socket=" + socket_.string();
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", runtime.c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + socket_.string()).c_str(), 1);
    pid_ = fork();
    if (pid_ == 0) {
      execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
             "--disallow-exit", "-L", "module-null-sink sink_name=test", "-L", socketModule.c_str(),
             static_cast<char*>(nullptr));
      _exit(127);
    }
    for (auto deadline = Clock::now() + 10s; Clock::now() < deadline;) {
      if (std::filesystem::exists(socket_)) return;
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return;
      }
      std::this_thread::sleep_for(50ms);
    }
  }
  ~PulseServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  bool Running() const { return pid_ > 0 && std::filesystem::exists(socket_); }

 private:
  std::filesystem::path socket_;
  pid_t pid_ = -1;
};

class TimedEvents final : public UnknownImpl<ISpeechEvents> {
 public:
  struct Word {
    std::size_t start;
    std::size_t length;
    Clock::time_point at;
  };
  void OnWordHeard(std::uint64_t, std::size_t start, std::size_t length) override {
    std::lock_guard lock(mutex_);
    words.push_back({start, length, Clock::now()});
  }
  void OnUtteranceEnded(std::uint64_t) override {
    std::lock_guard lock(mutex_);
    ended = Clock::now();
    changed_.notify_all();
  }
  bool WaitEnded() {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, 60s, [this] { return ended.has_value(); });
  }
  std::vector<Word> words;
  std::optional<Clock::time_point> ended;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
};

TEST(RealAudio, WordsArriveInOrderWhileTheSoundIsConsumed) {
  if (!std::filesystem::exists("/usr/bin/pulseaudio")) GTEST_SKIP() << "pulseaudio is missing";
  const PulseServer server;
  ASSERT_TRUE(server.Running()) << "the PulseAudio server did not start";
  int argc = 1;
  char name[] = "real_audio";
  char* argv[] = {name, nullptr};
  const QCoreApplication application(argc, argv);

  const auto synthesizer = EspeakSynthesizer::Instance();
  const std::u16string text = u"Hyvää huomenta. Tänään sää on pilvinen, ja myöhemmin sataa lunta.";
  // How long the sound lasts, from a synthesis of its own.
  std::int64_t samples = 0;
  synthesizer->Synthesize(text, 1, {}, [&](std::span<const std::int16_t> chunk, auto) {
    samples += static_cast<std::int64_t>(chunk.size());
    return true;
  });
  const auto duration = std::chrono::milliseconds(samples * 1000 / synthesizer->SampleRate());
  ASSERT_GT(duration, 2s);

  StreamedSpeechEngine engine(synthesizer, [] { return std::make_unique<QtPcmOutput>(); });
  const auto events = MakeRef<TimedEvents>();
  const auto started = Clock::now();
  ASSERT_TRUE(engine.Speak({.id = 1, .text = text, .language = 1}, events));
  ASSERT_TRUE(events->WaitEnded());

  std::vector<std::u16string> words;
  for (const auto& word : events->words)
    words.push_back(text.substr(word.start, word.length));
  EXPECT_EQ(words,
            (std::vector<std::u16string>{u"Hyvää", u"huomenta", u"Tänään", u"sää", u"on",
                                         u"pilvinen", u"ja", u"myöhemmin", u"sataa", u"lunta"}));
  ASSERT_FALSE(events->words.empty());
  // The words came as the sound played: spread over most of it, and the end only once all
  // of it was heard.
  const auto spread = events->words.back().at - events->words.front().at;
  EXPECT_GT(spread, duration / 2);
  EXPECT_GT(*events->ended - started, duration * 9 / 10);
}

}  // namespace
}  // namespace vorla

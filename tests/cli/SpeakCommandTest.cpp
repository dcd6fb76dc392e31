#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "SimulatedService.h"
#include "TranslationCommands.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using test::ProgramRun;

struct SpeechService : test::SimulatedService {
  SpeechService() {
    sim::RegisterTranslationCommands(sim);
    AddFurtherLanguageAccount();
  }

  void LogIn() const {
    const ProgramRun login = Run({"login", "--user", "further", "--password-stdin"}, "demo\n");
    ASSERT_EQ(login.exitCode, 0) << login.err;
  }

  std::vector<sim::SimRequest> SpeechRequests() const {
    std::vector<sim::SimRequest> found;
    for (const sim::SimRequest& request : sim.Requests()) {
      if (*request.Field("cmd") == "tts") found.push_back(request);
    }
    return found;
  }
};

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsMp3(const std::string& bytes) {
  return bytes.size() > 1'000 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0;
}

// Python's wave module reads the file: "channels width rate frames".
std::string WaveFacts(const std::filesystem::path& path) {
  QProcess python;
  python.start("python3", {"-c",
                           "import sys, wave\n"
                           "w = wave.open(sys.argv[1])\n"
                           "print(w.getnchannels(), w.getsampwidth(), w.getframerate(), "
                           "w.getnframes())",
                           QString::fromStdString(path.string())});
  python.waitForFinished();
  return python.readAllStandardOutput().trimmed().toStdString();
}

TEST(SpeakCommand, LocalVoiceWritesWav) {
  const SpeechService service;
  const auto file = test::CurrentHome() / "hyvää.wav";
  const ProgramRun run =
      service.Run({"speak", "--lang", "fi", "-o", QString::fromStdString(file.string()),
                   "Hyvää päivää, äiti."});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  int channels = 0, width = 0, rate = 0, frames = 0;
  std::istringstream(WaveFacts(file)) >> channels >> width >> rate >> frames;
  EXPECT_EQ(channels, 1);
  EXPECT_EQ(width, 2);
  EXPECT_GT(frames, rate / 2);
  EXPECT_TRUE(service.SpeechRequests().empty());
}

TEST(SpeakCommand, FurtherLanguagesGoToTheServiceCutAtOneThousandCharacters) {
  const SpeechService service;
  service.LogIn();
  const auto file = test::CurrentHome() / "speech.mp3";
  const QString text = QString(1'500, 'a');
  const QStringList arguments{"speak", "--lang", "248", "-o",
                              QString::fromStdString(file.string())};
  // Without a terminal the question is not answered: nothing is spoken.
  const ProgramRun unanswered = service.Run(arguments + QStringList{text});
  EXPECT_EQ(unanswered.exitCode, 0) << unanswered.err;
  EXPECT_TRUE(service.SpeechRequests().empty());
  EXPECT_FALSE(std::filesystem::exists(file));

  const ProgramRun run = service.Run(arguments + QStringList{"--yes", "-"}, text.toStdString());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto requests = service.SpeechRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(*requests[0].Field("s"), std::string(1'000, 'a'));
  EXPECT_EQ(*requests[0].Field("l"), "248");
  EXPECT_EQ(*requests[0].Field("f"), "1");
  EXPECT_TRUE(IsMp3(FileBytes(file)));
}

TEST(SpeakCommand, ServiceOptionAndFailures) {
  SpeechService service;
  service.LogIn();
  const auto file = test::CurrentHome() / "en.mp3";
  const QString path = QString::fromStdString(file.string());
  const ProgramRun english = service.Run({"speak", "--service", "--lang", "en", "-o", path, "hi"});
  ASSERT_EQ(english.exitCode, 0) << english.err;
  EXPECT_TRUE(IsMp3(FileBytes(file)));
  EXPECT_EQ(*service.SpeechRequests().at(0).Field("l"), "0");

  service.sim.context().translation.Queue("tts", {23});
  const ProgramRun refused = service.Run({"speak", "--lang", "248", "-o", path, "privet"});
  EXPECT_EQ(refused.exitCode, 23);
  EXPECT_NE(refused.err.find("Text-to-Speech is not available for the 'Russian' language."),
            std::string::npos)
      << refused.err;
}

}  // namespace
}  // namespace vorla

#include <gtest/gtest.h>

#include <fstream>

#include "speech/SpeechAudioFiles.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

TEST(SpeechAudioFiles, NamesAreTakenExclusively) {
  const auto folder = test::CurrentHome();
  std::ofstream(folder / "temp_7_1.wav") << "someone else's";
  int counter = 0;
  const auto path = WriteSpeechAudioFile(folder, 7, counter, "wav", "RIFF");
  ASSERT_TRUE(path);
  EXPECT_EQ(path->filename(), "temp_7_2.wav");
  EXPECT_EQ(counter, 2);
  std::ifstream kept(folder / "temp_7_1.wav");
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "someone else's");

  for (int i = 3; i <= 102; ++i)
    std::ofstream(folder / ("temp_7_" + std::to_string(i) + ".mp3"));
  EXPECT_FALSE(WriteSpeechAudioFile(folder, 7, counter, "mp3", "ID3"));
  int fresh = 0;
  EXPECT_FALSE(WriteSpeechAudioFile(folder / std::string(250, 'x'), 7, fresh, "mp3", "ID3"));
}

TEST(SpeechAudioFiles, OnlyFilesOfEndedProcessesAreRemoved) {
  const auto folder = test::CurrentHome() / "tmp";
  std::filesystem::create_directories(folder);
  for (const char* name : {"temp_10_1.mp3", "temp_11_4.wav", "temp_x_1.wav", "other.wav"}) {
    std::ofstream(folder / name) << "a";
  }
  RemoveStaleSpeechAudioFiles(folder, [](std::int64_t process) { return process == 11; });
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    left.push_back(entry.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"other.wav", "temp_11_4.wav", "temp_x_1.wav"}));
}

}  // namespace
}  // namespace vorla

#include <unistd.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <condition_variable>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "cli/TranslationInput.h"
#include "common/FileWriting.h"
#include "common/Utf8.h"
#include "platform/ChildProcess.h"
#include "platform/EspeakSynthesizer.h"
#include "platform/QtAudioFilePlayer.h"
#include "platform/QtPcmOutput.h"
#include "service/LoginResults.h"
#include "service/ServiceClient.h"
#include "service/SpeechSynthesis.h"
#include "speech/ServiceLength.h"
#include "speech/SpeechAudioFiles.h"
#include "speech/SpeechMessages.h"
#include "speech/SpeechSettings.h"
#include "speech/SpeechText.h"
#include "speech/StreamedSpeechEngine.h"
#include "speech/WavFormat.h"
#include "translation/LanguageFamily.h"
#include "translation/LanguageNames.h"

namespace vorla::cli {

namespace {

struct SpeakOptions {
  std::optional<std::string> language;
  bool service = false;
  bool yes = false;
  std::optional<std::string> output;
  std::optional<std::string> text;
};

constexpr int kSpeechFailed = 4;

int Fail(SpeechMessage message, UiLanguage ui, std::initializer_list<std::string_view> args = {}) {
  std::cerr << FormatSpeechMessage(message, ui, args) << '\n';
  return kSpeechFailed;
}

// The code of --lang ("en", "fi", "sv" or a number), else the source language of the pair.
std::optional<int> SpeechLanguage(const SpeakOptions& options, TranslatorState& state) {
  if (!options.language) return LocalCodeOf(state.GetPair().source);
  const std::string& word = *options.language;
  if (word == "en") return kLanguageEnglish;
  if (word == "fi") return kLanguageFinnish;
  if (word == "sv") return kLanguageSwedish;
  try {
    std::size_t used = 0;
    const int code = std::stoi(word, &used);
    if (used == word.size() && IsKnownLanguageCode(code)) return LocalCodeOf(code);
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

// Waits for a local utterance to be heard to its end.
class UtteranceEnd final : public UnknownImpl<ISpeechEvents> {
 public:
  void OnWordHeard(std::uint64_t, std::size_t, std::size_t) override {}
  void OnUtteranceEnded(std::uint64_t) override {
    std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
  }
  void Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ended_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool ended_ = false;
};

QCoreApplication& Application() {
  static int argc = 1;
  static char name[] = "vorla";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  return *QCoreApplication::instance();
}

int SpeakLocally(std::u16string_view text, int language, const SpeechSettings& settings,
                 const SpeakOptions& options, UiLanguage ui) {
  const std::shared_ptr<EspeakSynthesizer> synthesizer = EspeakSynthesizer::Instance();
  const LocalVoiceParameters parameters = LocalVoiceParametersFor(settings.volume, settings.rate);
  const std::u16string spoken = LocalVoiceText(text);
  if (options.output) {
    std::string samples;
    synthesizer->Synthesize(
        spoken, language, parameters, [&](std::span<const std::int16_t> chunk, auto) {
          samples.append(reinterpret_cast<const char*>(chunk.data()), chunk.size_bytes());
          return true;
        });
    const std::string wav =
        WavHeader(synthesizer->SampleRate(), static_cast<std::uint32_t>(samples.size())) + samples;
    if (!WriteFileReplacing(std::filesystem::path(*options.output), wav)) {
      return Fail(SpeechMessage::Failed, ui);
    }
    return 0;
  }
  Application();
  if (QMediaDevices::defaultAudioOutput().isNull())
    return Fail(SpeechMessage::AudioDeviceError, ui);
  StreamedSpeechEngine engine(synthesizer, [] { return std::make_unique<QtPcmOutput>(); });
  const auto end = MakeRef<UtteranceEnd>();
  engine.Speak({.text = spoken, .language = language, .parameters = parameters}, end);
  end->Wait();
  return 0;
}

// Plays an audio file to its end with Qt Multimedia.
int PlayFile(const std::filesystem::path& file, UiLanguage ui) {
  Application();
  QtAudioFilePlayer player;
  QEventLoop loop;
  if (!player.Play(file, 1000, [&loop] { loop.quit(); })) {
    return Fail(SpeechMessage::AudioDeviceError, ui);
  }
  loop.exec();
  return 0;
}

int SpeakOnService(CliContext& context, std::u16string_view text, int language,
                   const SpeechSettings& settings, const SpeakOptions& options) {
  const UiLanguage ui = context.ui();
  const std::u16string_view trimmed = TrimmedForService(text);
  if (trimmed.empty()) return 0;
  const ServiceLengthCheck check = CheckServiceLength(trimmed.size(), language, ui);
  if (check.refused) return Fail(SpeechMessage::NotAvailable, ui);
  if (check.question && !options.yes) {
    const auto answer = AskTerminal(*check.question + " [y/N] ", true);
    if (!answer || (*answer != "y" && *answer != "Y")) return 0;
  }
  TranslatorState& state = context.state();
  if (!state.IsLoggedIn()) {
    const int login = state.Login({});
    if (login != kLoginOk) return login;
  }
  ServiceClient client;
  client.Initialise(RefPtr<Config>(&context.config()), &state, context.connections());
  SpeechSynthesisRequest request{.text = Utf16ToUtf8(ServiceSpeechText(trimmed)),
                                 .language = language,
                                 .options = kSpeechOptionClient,
                                 .rate = settings.rate,
                                 .pitch = settings.pitch,
                                 .volume = settings.volume};
  std::string audio;
  const std::int32_t status = client.SynthesizeSpeech(request, audio);
  if (status == 23 || status == 28) {
    const std::string_view name = LanguageName(language, ui);
    if (name.empty()) return Fail(SpeechMessage::NotAvailable, ui), status;
    Fail(SpeechMessage::NotAvailableFor, ui, {name});
    return status;
  }
  if (status == 2) return Fail(SpeechMessage::ConnectionFailed, ui), status;
  if (status != 0) return Fail(SpeechMessage::Failed, ui), status;
  if (options.output) {
    return WriteFileReplacing(std::filesystem::path(*options.output), audio)
               ? 0
               : Fail(SpeechMessage::Failed, ui);
  }
  const auto& folder = context.config().Dirs().temporary;
  RemoveStaleSpeechAudioFiles(folder, &ProcessIsRunning);
  int counter = 0;
  const auto file =
      WriteSpeechAudioFile(folder, getpid(), counter, SpeechAudioExtension(request.format), audio);
  if (!file) return Fail(SpeechMessage::Failed, ui);
  const int played = PlayFile(*file, ui);
  std::error_code ignored;
  std::filesystem::remove(*file, ignored);
  return played;
}

int RunSpeak(CliContext& context, const SpeakOptions& options) {
  const UiLanguage ui = context.ui();
  const std::optional<int> language = SpeechLanguage(options, context.state());
  if (!language) return Fail(SpeechMessage::NotAvailable, ui);
  const std::u16string text = SpokenText(Utf8ToUtf16(ReadTranslationInput(options.text)), 0);
  if (text.empty()) return 0;
  const SpeechSettings settings = ReadSpeechSettings(context.config().settings());
  const bool local = *language >= kLanguageEnglish && *language <= kLanguageSwedish;
  if (local && !options.service && EspeakSynthesizer::Instance()->HasVoice(*language)) {
    return SpeakLocally(text, *language, settings, options, ui);
  }
  return SpeakOnService(context, text, *language, settings, options);
}

}  // namespace

void AddSpeakCommand(CLI::App& app, CliContext& context) {
  auto* command = app.add_subcommand(
      "speak",
      "Read a text aloud: English, Finnish and Swedish with a local voice, other languages "
      "through the service; the text is the argument, or the standard input for - or no "
      "argument");
  auto options = std::make_shared<SpeakOptions>();
  command->add_option("--lang", options->language,
                      "Language: en, fi, sv or a code (default: the source language of the pair)");
  command->add_flag("--service", options->service, "Let the service speak, also en, fi and sv");
  command->add_flag("--yes", options->yes,
                    "Answer \"Yes\" to the question before a text longer than 1000 characters");
  command->add_option("-o,--output", options->output,
                      "Write the audio to FILE instead of playing it (WAV from a local voice, "
                      "the service's format otherwise)");
  command->add_option("text", options->text, "TEXT | -");
  command->callback([&context, options] { context.SetExitStatus(RunSpeak(context, *options)); });
}

}  // namespace vorla::cli

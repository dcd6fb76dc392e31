#pragma once

#include <algorithm>
#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "JobDisplayFakes.h"
#include "documents/rtf/PlainText.h"
#include "service/TranslationFixture.h"
#include "support/RecordingOpener.h"
#include "translation/CWindowsTranslator.h"

namespace vorla::test {

class RecordingWindow final : public TranslatorWindow {
 public:
  void EnableCancelCommand(bool enabled) override { Add(enabled ? "cancel on" : "cancel off"); }
  void RefreshLanguageControls(bool afterLogin) override {
    Add(afterLogin ? "languages after login" : "languages");
  }
  void SpeakTranslation() override { Add("speak"); }

  std::vector<std::string> Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  void Add(std::string call) {
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
  }
  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
};

// Answers the "Translation Info" question from a script and keeps what it was shown.
class ScriptedPriceConfirmation final : public PriceConfirmation {
 public:
  PriceAnswer Ask(const TranslationInfo& info, bool askConfirmation) override {
    std::lock_guard lock(mutex_);
    asked.push_back({info, askConfirmation});
    if (answers.empty()) return {false, askConfirmation};
    const PriceAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<PriceAnswer> answers;
  std::vector<std::pair<TranslationInfo, bool>> asked;

 private:
  std::mutex mutex_;
};

class ScriptedNotice final : public LanguageNotice {
 public:
  bool Ask(int accountType) override {
    askedFor.push_back(accountType);
    return answer;
  }
  bool answer = true;
  std::vector<int> askedFor;
};

class RecordingQuotaNotice final : public QuotaNotice {
 public:
  void Show(const QuotaShortfall& shortfall) override {
    std::lock_guard lock(mutex_);
    shown_.push_back(shortfall);
  }
  std::vector<QuotaShortfall> Shown() const {
    std::lock_guard lock(mutex_);
    return shown_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<QuotaShortfall> shown_;
};

// A translator on a simulator with the demo account and scripted `tr` and `gettrprice`
// answers, its main window, source pane and questions recorded.
struct TranslatorFixture {
  TranslatorFixture() {
    sim::RegisterAccountCommands(sim_);
    sim_.context().accounts.Add(sim::DemoAccount());
    sim_.Register("tr", &DefaultTranslation);
    sim_.Register("gettrprice", [](const sim::SimRequest&, sim::SimContext&) {
      return TranslationFixture::Answer(PriceQueryAnswer());
    });
    Environment environment;
    environment.serviceUrl = sim_.url();
    config_ = MakeHomeConfig(std::make_shared<MemorySettingsStore>(), environment);
    config_->SetUiLanguage(UiLanguage::English);
    connections_ = std::make_shared<CurlHttpConnFactory>(config_);
    sets_ = std::make_shared<VocabularySets>(config_);
    MakeTranslator();
    prompt_->answers.push_back({"demo", "demo"});
  }

  ~TranslatorFixture() { translator_->Shutdown(); }

  TranslatorFixture(const TranslatorFixture&) = delete;

  // A translator as the program makes one at start, from the settings as they are now.
  void MakeTranslator() {
    translator_ = MakeRef<CWindowsTranslator>(config_, 1);
    translator_->State().SetLoginHooks(
        {connections_, prompt_, statusBar_, translator_.get(), sets_});
    translator_->SetHooks(FakeHooks());
  }

  // The hooks of the fixture's fakes.
  CWindowsTranslator::Hooks FakeHooks() const {
    CWindowsTranslator::Hooks hooks;
    hooks.connections = connections_;
    hooks.sourcePane = pane_;
    hooks.mainWindow = {progress_, delivery_};
    hooks.window = window_;
    hooks.priceConfirmation = confirmation_;
    hooks.languageNotice = notice_;
    hooks.quotaNotice = quotaNotice_;
    hooks.opener = opener_;
    hooks.dictionaries = sets_;
    return hooks;
  }

  // The answer of `tr` unless scripted: "ok", and an alignment table of one record when the
  // request asked for one.
  static sim::SimAnswer DefaultTranslation(const sim::SimRequest& request, sim::SimContext&) {
    std::string body = TranslationAnswer("ok");
    const std::string* flags = request.Field("trflags");
    if (flags && (std::stoul(*flags) & kTrSentenceAlignment)) {
      body += sim::Int32s({20}) + AlignmentTable();
    }
    return TranslationFixture::Answer(body);
  }

  // One record: source 0 to 5, target 0 to 2, little-endian.
  static std::string AlignmentTable() {
    std::string table;
    for (const std::uint32_t value : {1u, 0u, 5u, 0u, 2u}) {
      for (int shift = 0; shift < 32; shift += 8)
        table += static_cast<char>((value >> shift) & 0xFF);
    }
    return table;
  }

  // The user logs in next as an account of the second further-language list.
  void UseFurtherLanguageAccount() {
    sim::SimAccount further = sim::DemoAccount();
    further.name = "further";
    further.accountType = 4;
    sim_.context().accounts.Add(further);
    prompt_->answers = {{"further", "demo"}};
  }

  void SetPane(std::string_view text) {
    pane_->content = DocumentFromPlainText(text, StreamEncoding::Utf8);
  }

  std::vector<sim::SimRequest> Requests(std::string_view command) const {
    std::vector<sim::SimRequest> found;
    for (const sim::SimRequest& request : sim_.Requests()) {
      if (const std::string* cmd = request.Field("cmd"); cmd && *cmd == command) {
        found.push_back(request);
      }
    }
    return found;
  }

  bool Shown(const std::string& line) const {
    return std::ranges::count(progress_->Lines(), line) > 0;
  }

  // Waits until the simulator has received a request of the command.
  void AwaitRequest(std::string_view command) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (Requests(command).empty() && std::chrono::steady_clock::now() < until)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }

  sim::ServiceSimulator sim_{{}};
  RefPtr<Config> config_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<VocabularySets> sets_;
  std::shared_ptr<ScriptedPrompt> prompt_ = std::make_shared<ScriptedPrompt>();
  std::shared_ptr<RecordingStatusBar> statusBar_ = std::make_shared<RecordingStatusBar>();
  std::shared_ptr<FakeSourcePane> pane_ = std::make_shared<FakeSourcePane>();
  RefPtr<RecordingProgress> progress_ = MakeRef<RecordingProgress>();
  RefPtr<RecordingDelivery> delivery_ = MakeRef<RecordingDelivery>();
  std::shared_ptr<RecordingWindow> window_ = std::make_shared<RecordingWindow>();
  std::shared_ptr<ScriptedPriceConfirmation> confirmation_ =
      std::make_shared<ScriptedPriceConfirmation>();
  std::shared_ptr<ScriptedNotice> notice_ = std::make_shared<ScriptedNotice>();
  std::shared_ptr<RecordingQuotaNotice> quotaNotice_ = std::make_shared<RecordingQuotaNotice>();
  std::shared_ptr<RecordingOpener> opener_ = std::make_shared<RecordingOpener>();
  RefPtr<CWindowsTranslator> translator_;
};

}  // namespace vorla::test

#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "AccountCommands.h"
#include "ServiceSimulator.h"
#include "SimAccounts.h"
#include "config/ConfigFixture.h"
#include "config/MemorySettingsStore.h"
#include "dictionaries/VocabularySets.h"
#include "platform/CurlHttpConnFactory.h"
#include "translation/TranslatorState.h"

namespace vorla::test {

// A login prompt that answers from a script and remembers what it was shown.
class ScriptedPrompt final : public LoginPrompt {
 public:
  struct Answer {
    std::string userName;
    std::string password;
    bool remember = true;
    bool logIn = true;
  };
  std::deque<Answer> answers;
  std::vector<LoginDialogParameters> shown;

  bool Ask(LoginDialogParameters& parameters) override {
    shown.push_back(parameters);
    if (answers.empty()) return false;
    const Answer answer = answers.front();
    answers.pop_front();
    parameters.userName = answer.userName;
    parameters.password = answer.password;
    parameters.remember = answer.remember;
    return answer.logIn;
  }
};

class RecordingAuthenticationObserver final : public UnknownImpl<IAuthenticationObserver> {
 public:
  int prompts = 0;
  int retries = 0;
  std::vector<int> finished;
  std::vector<int> stateChanges;

  void OnLoginPrompt(int) override { ++prompts; }
  void OnLoginFinished(std::string_view, int result) override { finished.push_back(result); }
  void OnStateChanged(std::string_view, int result) override { stateChanges.push_back(result); }
  void OnLoginRetry(ServiceClient&, IHttpConnObserver*) override { ++retries; }
};

class RecordingStatusBar final : public StatusBar {
 public:
  std::vector<std::string> texts;
  void ShowStatus(std::string_view text) override { texts.emplace_back(text); }
};

// The demo account and the given ones on a simulator, and a translator state that logs in
// there with a scripted prompt.
struct LoginFixture {
  explicit LoginFixture(
      std::initializer_list<std::pair<std::string_view, std::string_view>> stored = {}) {
    sim::RegisterAccountCommands(sim_);
    sim_.context().accounts.Add(sim::DemoAccount());
    for (const auto& [name, value] : stored)
      store_->WriteValue(name, value);
    Environment environment;
    environment.serviceUrl = sim_.url();
    config_ = MakeHomeConfig(store_, environment);
    connections_ = std::make_shared<CurlHttpConnFactory>(config_);
    sets_ = std::make_shared<VocabularySets>(config_);
    state_ = std::make_unique<TranslatorState>(config_, 1);
    state_->SetLoginHooks({connections_, prompt_, statusBar_, observer_.get(), sets_});
  }

  LoginFixture(const LoginFixture&) = delete;

  std::string Stored(std::string_view name) const { return store_->ReadValue(name).value_or("-"); }

  // The requests of one command, in order.
  std::vector<sim::SimRequest> Requests(std::string_view command) const {
    std::vector<sim::SimRequest> found;
    for (const sim::SimRequest& request : sim_.Requests()) {
      const std::string* cmd = request.Field("cmd");
      if (cmd && *cmd == command) found.push_back(request);
    }
    return found;
  }

  int LogIn(int attempts = 4, RefPtr<IHttpConnObserver> jobObserver = nullptr) {
    TranslatorState::LoginOptions options;
    options.attempts = attempts;
    options.jobObserver = std::move(jobObserver);
    return state_->Login(options);
  }

  sim::ServiceSimulator sim_{{}};
  std::shared_ptr<MemorySettingsStore> store_ = std::make_shared<MemorySettingsStore>();
  RefPtr<Config> config_;
  std::shared_ptr<HttpConnFactory> connections_;
  std::shared_ptr<ScriptedPrompt> prompt_ = std::make_shared<ScriptedPrompt>();
  std::shared_ptr<RecordingStatusBar> statusBar_ = std::make_shared<RecordingStatusBar>();
  RefPtr<RecordingAuthenticationObserver> observer_ = MakeRef<RecordingAuthenticationObserver>();
  std::shared_ptr<VocabularySets> sets_;
  std::unique_ptr<TranslatorState> state_;
};

}  // namespace vorla::test

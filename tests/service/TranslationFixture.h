#pragma once

#include <string>
#include <string_view>

#include "LoginFixture.h"
#include "service/Compression.h"
#include "service/ServiceClient.h"
#include "support/RecordingObserver.h"
#include "support/TestCommands.h"
#include "translation/TranslationFlags.h"
#include "translation/TranslationJob.h"

namespace vorla::test {

// The answer of a price query: 12 words for 12.5 tokens, account type 1 with 100 tokens.
inline std::string PriceQueryAnswer() {
  return sim::Int32s({0, 12, 12'500, 300, 1, 100'000});
}

// A logged-in demo user on a simulator whose `tr` answers "ok" and `gettrprice` the price
// above unless the test scripts another answer (the raw-answer fault), and a service client
// on the user's state.
struct TranslationFixture : LoginFixture {
  TranslationFixture() {
    sim_.Register("tr", [](const sim::SimRequest&, sim::SimContext&) {
      return Answer(TranslationAnswer("ok"));
    });
    sim_.Register("gettrprice", [](const sim::SimRequest&, sim::SimContext&) {
      return Answer(PriceQueryAnswer());
    });
    prompt_->answers.push_back({"demo", "demo"});
    LogIn();
    client_.Initialise(config_, *state_, connections_);
    client_.SetTranslationObserver(observer_);
  }

  static sim::SimAnswer Answer(std::string body) {
    sim::SimAnswer answer;
    answer.body = std::move(body);
    return answer;
  }

  // The answer of the next requests of a command (times -1: all of them).
  void Script(const std::string& command, std::string answer, int times = -1) {
    sim::Faults faults;
    faults.rawAnswer = std::move(answer);
    faults.times = times;
    sim_.SetFaults(command, faults);
  }

  // A plain text job as the main window fills one.
  static TranslationJob TextJob(std::string_view text) {
    TranslationJob job;
    job.Initialise();
    job.SetSource(std::string(text));
    job.pid = Config::kProductId;
    job.trflags = kTrFromClient;
    return job;
  }

  ServiceClient client_;
  RefPtr<RecordingObserver> observer_ = MakeRef<RecordingObserver>();
};

}  // namespace vorla::test

#pragma once

#include <span>
#include <string_view>

#include "ServiceSimulator.h"

namespace vorla::sim {

// The faults only some answers can show; every answer can be dropped, stalled, trickled or
// replaced by HTTP 500.
struct AnswerFaults {
  bool lyingLength = false;    // the answer announces its payload's length
  bool corruptZlib = false;    // it can carry a zlib stream
  bool noSetCookie = false;    // it sets the session cookie
  bool expireSession = false;  // the command needs a session
  bool statuses = false;       // it answers statuses queued in the TranslationScript
};

// A command the simulator answers: its "cmd", its handler and the faults its answer can show.
struct SimCommand {
  std::string_view name;
  CommandHandler handler;
  AnswerFaults faults;
};

// Every command the simulator answers, as RegisterAccountCommands,
// RegisterDictionaryCommands and RegisterTranslationCommands register them; null for any other name.
const SimCommand* FindSimCommand(std::string_view name);

void RegisterCommands(ServiceSimulator& simulator, std::span<const SimCommand> commands);

}  // namespace vorla::sim

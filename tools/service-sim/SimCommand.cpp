#include "SimCommand.h"

#include <algorithm>
#include <string>

#include "AccountCommands.h"
#include "DictionaryCommands.h"
#include "TranslationCommands.h"

namespace vorla::sim {

const SimCommand* FindSimCommand(std::string_view name) {
  for (const std::span<const SimCommand> commands :
       {AccountCommands(), DictionaryCommands(), TranslationCommands()}) {
    const auto found = std::ranges::find(commands, name, &SimCommand::name);
    if (found != commands.end()) return &*found;
  }
  return nullptr;
}

void RegisterCommands(ServiceSimulator& simulator, std::span<const SimCommand> commands) {
  for (const SimCommand& command : commands) {
    simulator.Register(std::string(command.name), command.handler);
  }
}

}  // namespace vorla::sim

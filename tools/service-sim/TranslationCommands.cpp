#include "TranslationCommands.h"

#include "SpeechCommand.h"

namespace vorla::sim {

std::span<const SimCommand> TranslationCommands() {
  static const SimCommand commands[] = {
      {"tr",
       &TranslateText,
       {.lyingLength = true, .corruptZlib = true, .expireSession = true, .statuses = true}},
      {"gettrprice", &QuotePrice, {.expireSession = true, .statuses = true}},
      {"tts",
       &SynthesizeSpeech,
       {.lyingLength = true, .corruptZlib = true, .expireSession = true, .statuses = true}},
  };
  return commands;
}

void RegisterTranslationCommands(ServiceSimulator& simulator) {
  RegisterCommands(simulator, TranslationCommands());
}

}  // namespace vorla::sim

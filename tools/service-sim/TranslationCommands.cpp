#include "TranslationCommands.h"

#include "ServiceSimulator.h"

namespace vorla::sim {

void RegisterTranslationCommands(ServiceSimulator& simulator) {
  simulator.Register("tr", &TranslateText);
  simulator.Register("gettrprice", &QuotePrice);
}

}  // namespace vorla::sim

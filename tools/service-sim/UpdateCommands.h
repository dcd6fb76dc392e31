#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "SimCommand.h"
#include "SimContext.h"
#include "SimRequest.h"

namespace vorla::sim {

// The product update commands: `getupdinf` answers the offer of context().update in
// little-endian fields, `dlupd` the installer's bytes to a logged-in user.
std::span<const SimCommand> UpdateCommands();
void RegisterUpdateCommands(ServiceSimulator& simulator);

// "3.2.0.0" as four numbers of 0 to 255; nothing for any other text.
std::optional<std::array<std::uint8_t, 4>> ParseVersion(std::string_view text);

// The answer `getupdinf` gives for an offer.
std::string UpdateAnswerBytes(const SimUpdate& update);

}  // namespace vorla::sim

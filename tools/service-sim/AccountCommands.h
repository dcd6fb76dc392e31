#pragma once

#include <span>

#include "SimCommand.h"
#include "SimContext.h"
#include "SimRequest.h"

namespace vorla::sim {

// `chkrauth`: checks the name and the password digest, opens a session and tells the client
// its account, limits and time-outs.
SimAnswer CheckAuthentication(const SimRequest& request, SimContext& context);

// The login and account commands: `chkrauth`, `getlexinfo`, `getaccountinfo` and
// `updateaccountinfo`.
std::span<const SimCommand> AccountCommands();
void RegisterAccountCommands(ServiceSimulator& simulator);

}  // namespace vorla::sim

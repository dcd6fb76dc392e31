#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "Faults.h"
#include "TranslationScript.h"

namespace vorla::sim {

class ServiceSimulator;

// What a faults file asks of one command.
struct CommandFaults {
  Faults faults;
  // Statuses answered one request each before the command works again (`tr`,
  // `gettrprice` and the dictionary commands).
  std::vector<ScriptedStatus> statuses;
};

struct FaultsFile {
  std::map<std::string, CommandFaults, std::less<>> commands;
  std::string error;  // "line 3: unknown knob 'stal'"; empty when the file is good

  bool ok() const { return error.empty(); }
};

// Reads the faults of a person trying the client's failure paths by hand, an INI file with a
// section per command the simulator answers (FindSimCommand):
//
//   [tr]
//   drop_after = 10     ; body bytes, then the connection is closed
//   times = 1
//
// Knobs: drop_before_headers, http_500, corrupt_zlib, no_set_cookie, expire_session (true or
// false); drop_after, stall_at, trickle_bytes (bytes); stall_before, stall_for,
// trickle_every (milliseconds); lying_length (the length the answer announces); times (-1
// or above 0); statuses (a comma-separated list) and shortfall (for a queued 19). From ";"
// or "#" on a line is a comment. Every mistake is refused with its line, a knob the command's
// answer cannot show (SimCommand::faults) among them.
FaultsFile ParseFaultsFile(std::string_view text);
// Reads and parses the file; "cannot be read" when it cannot.
FaultsFile ReadFaultsFile(const std::string& path);

// Sets the faults of every command of the file and queues its statuses.
void ApplyFaultsFile(const FaultsFile& file, ServiceSimulator& simulator);

}  // namespace vorla::sim

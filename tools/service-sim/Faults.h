#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorla::sim {

// Misbehaviour of the simulator for one command, to test how the client copes.
struct Faults {
  // Answer body sent instead of the handler's (status 200).
  std::optional<std::string> rawAnswer;
  // Close the connection without an answer, not even its HTTP headers.
  bool dropBeforeHeaders = false;
  // Drop the connection after this many body bytes, the announced length notwithstanding.
  std::optional<std::size_t> closeAfter;
  // Wait this long before the answer's headers.
  std::chrono::milliseconds stallBefore{0};
  // After stallAt body bytes, wait stallInside before going on.
  std::size_t stallAt = 0;
  std::chrono::milliseconds stallInside{0};
  // Send the body trickleBytes at a time, trickleInterval apart.
  std::size_t trickleBytes = 0;
  std::chrono::milliseconds trickleInterval{0};
  // Answer HTTP 500 with an HTML page, as a failing proxy or server does.
  bool serverError = false;
  // The length the answer announces for its payload, instead of the true one (answers that
  // announce one: `tr` and the framed account commands).
  std::optional<std::uint32_t> lyingLength;
  // Break the zlib stream of a compressed answer (`tr` with 0x400), so that it cannot be
  // inflated.
  bool corruptZlib = false;
  // Leave out the Set-Cookie header the handler asked for.
  bool noSetCookie = false;
  // Forget every session before the handler runs, so the request finds its session expired.
  bool expireSession = false;
  // How many requests of the command are affected; -1 for all.
  int times = -1;
};

}  // namespace vorla::sim

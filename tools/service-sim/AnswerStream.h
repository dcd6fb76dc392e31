#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

#include "Faults.h"

namespace vorla::sim {

class ServiceSimulator;

// Sends an answer body with the faults that act inside it: a dropped connection, a stall
// and a slow trickle.
class AnswerStream {
 public:
  AnswerStream(ServiceSimulator& simulator, std::string body, const Faults& faults)
      : simulator_(simulator), body_(std::move(body)), faults_(faults) {}

  // Whether the body needs this stream, or can be sent as it is.
  static bool Needed(const Faults& faults);

  // The content reader of the answer: bytes written, or -2 to drop the connection.
  ssize_t Produce(std::uint64_t position, char* buffer, std::size_t max);
  std::size_t size() const { return body_.size(); }

 private:
  ServiceSimulator& simulator_;
  std::string body_;
  Faults faults_;
  bool stalled_ = false;
};

}  // namespace vorla::sim

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "Faults.h"
#include "SimContext.h"
#include "SimRequest.h"

struct MHD_Daemon;
struct MHD_Connection;

namespace vorla::sim {

// Answers one command; runs on the simulator's connection thread.
using CommandHandler = std::function<SimAnswer(const SimRequest&, SimContext&)>;

// A local stand-in for the translation service: answers POST /tr on the loopback address,
// over HTTP or, given a certificate and key, HTTPS. It decodes every form body itself,
// dispatches on "cmd" to the handlers registered for it, logs every request and can be made
// to misbehave per command.
class ServiceSimulator {
 public:
  struct Options {
    std::uint16_t port = 0;  // 0: any free port
    std::string tlsCertificatePem;
    std::string tlsKeyPem;
  };

  // Starts serving; throws std::runtime_error when it cannot.
  explicit ServiceSimulator(const Options& options);
  ~ServiceSimulator();
  ServiceSimulator(const ServiceSimulator&) = delete;
  ServiceSimulator& operator=(const ServiceSimulator&) = delete;

  std::uint16_t port() const { return port_; }
  // The service address, "http(s)://127.0.0.1:<port>/tr".
  std::string url() const;

  void Register(const std::string& command, CommandHandler handler);
  void SetFaults(const std::string& command, const Faults& faults);
  SimContext& context() { return context_; }

  std::vector<SimRequest> Requests() const;
  void ClearRequests();

  // Waits for the duration unless the simulator stops first; false when it stopped.
  bool Pause(std::chrono::milliseconds duration);

 private:
  friend struct SimulatorCallbacks;

  // Logs the request and builds its answer, faults applied; false when the connection
  // is to be dropped without one.
  bool Answer(MHD_Connection* connection, SimRequest request);
  SimAnswer Dispatch(const SimRequest& request, const std::string& formError, Faults& faults);
  Faults TakeFaults(const std::string& command);

  MHD_Daemon* daemon_ = nullptr;
  std::uint16_t port_ = 0;
  bool secure_ = false;
  std::string certificatePem_;
  std::string keyPem_;
  SimContext context_;

  mutable std::mutex mutex_;
  std::map<std::string, CommandHandler> handlers_;
  std::map<std::string, Faults> faults_;
  std::vector<SimRequest> log_;

  std::mutex stopMutex_;
  std::condition_variable stopSignal_;
  bool stopping_ = false;
};

}  // namespace vorla::sim

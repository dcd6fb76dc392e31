#pragma once

namespace vorla {

// The process-wide state of the service client: the session cookie store and the
// authentication lock. Each program's main creates one before any request and keeps it
// until every worker has ended.
class ServiceProcessState {
 public:
  ServiceProcessState();
  ~ServiceProcessState();
  ServiceProcessState(const ServiceProcessState&) = delete;
  ServiceProcessState& operator=(const ServiceProcessState&) = delete;
};

}  // namespace vorla

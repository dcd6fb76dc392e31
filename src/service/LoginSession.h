#pragma once

#include <cstdint>

namespace vorla {

// The login the requests run under, kept by the translator state: the user id some
// commands send, and the silent login after the service reported an expired session.
class LoginSession {
 public:
  virtual ~LoginSession() = default;

  virtual std::int32_t UserId() const = 0;
  // Marks the user logged out and logs in with one attempt: with stored credentials no
  // dialog appears. True when the login succeeded.
  virtual bool Relogin() = 0;
};

}  // namespace vorla

#pragma once

namespace vorla {

// libcurl's process-wide set-up, done once at program start before any thread uses it and
// undone at exit. Each program's main creates one.
class CurlGlobal {
 public:
  CurlGlobal();
  ~CurlGlobal();
  CurlGlobal(const CurlGlobal&) = delete;
  CurlGlobal& operator=(const CurlGlobal&) = delete;

  bool ok() const { return ok_; }

 private:
  bool ok_ = false;
};

}  // namespace vorla

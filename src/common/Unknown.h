#pragma once

#include <atomic>
#include <cstdint>

#include "common/InterfaceId.h"

namespace vorla {

// Results of QueryInterface.
inline constexpr std::int32_t kInterfaceOk = 0;
inline constexpr std::int32_t kNoInterface = 1;

// The root of every reference-counted interface. An object starts with a count of 0;
// whoever creates it takes the first reference (RefPtr does this), and Release
// destroys it when the count reaches 0.
class IUnknown {
 public:
  static constexpr InterfaceId kIid = MakeInterfaceId("00000000-0000-0000-C000-000000000046");

  // On success stores the object, with a reference added, in *out and returns 0;
  // otherwise stores null and returns 1.
  virtual std::int32_t QueryInterface(const InterfaceId& iid, void** out) = 0;
  virtual std::int32_t AddRef() = 0;
  virtual std::int32_t Release() = 0;

 protected:
  virtual ~IUnknown() = default;
};

// Implements the three IUnknown operations for an object with one interface chain.
// Each interface names its parent as `Parent`, so QueryInterface answers the
// interface itself and every interface it derives from, IUnknown included.
template <class Interface>
class UnknownImpl : public Interface {
 public:
  std::int32_t QueryInterface(const InterfaceId& iid, void** out) override {
    *out = Find<Interface>(iid);
    if (!*out) return kNoInterface;
    this->AddRef();
    return kInterfaceOk;
  }
  std::int32_t AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
  std::int32_t Release() override {
    const std::int32_t left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }

 protected:
  UnknownImpl() = default;
  UnknownImpl(const UnknownImpl&) = delete;
  UnknownImpl& operator=(const UnknownImpl&) = delete;

 private:
  // The pointer handed out is of the exact interface asked for.
  template <class I>
  void* Find(const InterfaceId& iid) {
    if (iid == I::kIid) return static_cast<I*>(this);
    if constexpr (requires { typename I::Parent; }) {
      return Find<typename I::Parent>(iid);
    } else {
      return nullptr;
    }
  }

  std::atomic<std::int32_t> refs_{0};
};

}  // namespace vorla

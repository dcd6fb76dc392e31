#pragma once

#include <cstddef>
#include <utility>

#include "common/Unknown.h"

namespace vorla {

// An intrusive smart pointer over AddRef/Release, so that no caller pairs them by hand.
template <class T>
class RefPtr {
 public:
  RefPtr() = default;
  RefPtr(std::nullptr_t) {}
  // Takes a new reference to p.
  explicit RefPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  RefPtr(const RefPtr& other) : RefPtr(other.p_) {}
  RefPtr(RefPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  template <class U>
  requires std::is_convertible_v<U*, T*> RefPtr(const RefPtr<U>& other) : RefPtr(other.get()) {}
  ~RefPtr() { reset(); }

  RefPtr& operator=(RefPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }

  // Takes over a reference the caller already owns (the out pointer of QueryInterface).
  static RefPtr Adopt(T* p) {
    RefPtr r;
    r.p_ = p;
    return r;
  }

  void reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T& operator*() const { return *p_; }
  explicit operator bool() const { return p_ != nullptr; }

  friend bool operator==(const RefPtr& a, const RefPtr& b) { return a.p_ == b.p_; }
  friend bool operator==(const RefPtr& a, std::nullptr_t) { return a.p_ == nullptr; }

 private:
  T* p_ = nullptr;
};

// Creates an object and takes its first reference.
template <class T, class... Args>
RefPtr<T> MakeRef(Args&&... args) {
  return RefPtr<T>(new T(std::forward<Args>(args)...));
}

// Asks an object for another of its interfaces; null when it does not have it.
template <class I>
RefPtr<I> QueryInterface(IUnknown* object) {
  void* out = nullptr;
  if (!object || object->QueryInterface(I::kIid, &out) != kInterfaceOk) return {};
  return RefPtr<I>::Adopt(static_cast<I*>(out));
}

}  // namespace vorla

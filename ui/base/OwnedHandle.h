// Owners of WinINet and kernel handles: each closes its handle when it goes.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <utility>

namespace web {

template <typename Traits>
class OwnedHandle {
 public:
  using Handle = typename Traits::Handle;

  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(Traits::IsValid(handle) ? handle : nullptr) {}
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_) Traits::Close(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static bool IsValid(HINTERNET h) { return h != nullptr; }
  static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

// Thread, timer and file handles; INVALID_HANDLE_VALUE counts as none.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

using InternetHandle = OwnedHandle<InternetHandleTraits>;
using KernelHandle = OwnedHandle<KernelHandleTraits>;

}  // namespace web

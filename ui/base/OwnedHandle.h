// The one owner of a system handle, and the borrowed view of a handle somebody else owns.
#pragma once
#include <utility>

namespace ui {

// Traits say what a handle is and how it goes:
//   using Handle = ...;                    the handle type
//   static bool IsValid(Handle h);         false for the values that mean "none"
//   static void Close(Handle h);           frees a valid handle
// The kernel's are in ui/base/KernelHandle.h, GDI's in ui/GdiHandles.h,
// WinINet's in web/InternetHandle.h.

template <typename Traits>
class OwnedHandle;

// A handle that somebody else owns and closes: it never closes it, and it is
// valid only while its owner keeps the handle. It can be copied freely and
// turns into the bare handle for the calls that take one; an owner lends its
// handle by turning into one.
template <typename Traits>
class BorrowedHandle {
 public:
  using Handle = typename Traits::Handle;
  Handle Get() const { return handle_; }
  operator Handle() const { return handle_; }

  BorrowedHandle() = default;
  explicit BorrowedHandle(Handle handle) : handle_(Traits::IsValid(handle) ? handle : nullptr) {}
  BorrowedHandle(const OwnedHandle<Traits>& owner) : handle_(owner.Get()) {}
  // An owner that goes at the end of the statement would leave nothing to borrow.
  BorrowedHandle(OwnedHandle<Traits>&&) = delete;

 private:
  Handle handle_ = nullptr;
};

// Closes its handle once, when it goes or is reset; it can be moved but not
// copied, so there is never a second owner. A value that means "none" is held
// as nullptr.
template <typename Traits>
class OwnedHandle {
 public:
  using Handle = typename Traits::Handle;

  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(Traits::IsValid(handle) ? handle : nullptr) {}
  // A borrowed handle is its owner's to close, never this one's.
  explicit OwnedHandle(BorrowedHandle<Traits>) = delete;
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Gives the handle to a new owner outside this program (the system, as
  // SetWindowRgn takes a region) and holds none.
  Handle Release() { return std::exchange(handle_, nullptr); }
  // Closes the handle held and takes the one given (none by default).
  void Reset(Handle handle = nullptr) {
    const Handle old = std::exchange(handle_, Traits::IsValid(handle) ? handle : nullptr);
    if (old) Traits::Close(old);
  }

 private:
  Handle handle_ = nullptr;
};

}  // namespace ui

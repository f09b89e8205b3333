// Owners of GDI and shell handles: each frees its handle once, none can be copied.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace ui {

template <typename H, typename Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(H h) : h_(h) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& o) noexcept {
    if (this != &o) Reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  ~OwnedHandle() { Reset(); }
  void Reset(H h = nullptr) {
    if (h_) Free()(h_);
    h_ = h;
  }
  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  H h_ = nullptr;
};

struct FreeIcon {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct FreeGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct FreeImageList {
  void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};

using OwnedIcon = OwnedHandle<HICON, FreeIcon>;
using OwnedFont = OwnedHandle<HFONT, FreeGdiObject>;
using OwnedBrush = OwnedHandle<HBRUSH, FreeGdiObject>;
using OwnedImageList = OwnedHandle<HIMAGELIST, FreeImageList>;

// BeginPaint in the constructor, EndPaint in the destructor.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(hwnd_, &ps_); }
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_;
  HDC dc_;
};

// An icon resource of the module at the size asked, owned.
OwnedIcon LoadOwnedIcon(HINSTANCE module, int id, int size);

}  // namespace ui

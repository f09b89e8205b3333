// Owners of GDI and shell handles (the one owned-handle template with their traits), and the paint DC.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "ui/base/OwnedHandle.h"

namespace ui {

// What a GDI or shell handle is and how it is freed (see ui/base/OwnedHandle.h).
template <typename H, auto Free>
struct GdiTraits {
  using Handle = H;
  static bool IsValid(H h) { return h != nullptr; }
  static void Close(H h) { Free(h); }
};

using OwnedIcon = OwnedHandle<GdiTraits<HICON, DestroyIcon>>;
using OwnedFont = OwnedHandle<GdiTraits<HFONT, DeleteObject>>;
using OwnedBrush = OwnedHandle<GdiTraits<HBRUSH, DeleteObject>>;
using OwnedPen = OwnedHandle<GdiTraits<HPEN, DeleteObject>>;
using OwnedBitmap = OwnedHandle<GdiTraits<HBITMAP, DeleteObject>>;
using OwnedRegion = OwnedHandle<GdiTraits<HRGN, DeleteObject>>;
using OwnedDc = OwnedHandle<GdiTraits<HDC, DeleteDC>>;  // a memory DC (CreateCompatibleDC)
using OwnedImageList = OwnedHandle<GdiTraits<HIMAGELIST, ImageList_Destroy>>;

inline OwnedBrush SolidBrush(COLORREF colour) { return OwnedBrush(CreateSolidBrush(colour)); }
inline OwnedPen SolidPen(COLORREF colour, int width = 1) { return OwnedPen(CreatePen(PS_SOLID, width, colour)); }

// An object selected into a DC for as long as this lives; the DC's previous
// one is selected again at the end. The object must outlive it.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's DC (the whole window, frame included), released at the end.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

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

// The programs' 12-pixel 宋体 (GB2312 character set, normal weight). The
// height is CreateFont's: negative for the characters' height, positive for
// the cell's.
OwnedFont MakeSongTiFont(int height);

}  // namespace ui

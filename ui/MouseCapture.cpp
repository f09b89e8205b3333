// Mouse capture with its pointer.
#include "MouseCapture.h"

namespace ui {

void MouseCapture::Start(HWND hwnd, HCURSOR cursor) {
  Release();
  if (!IsWindow(hwnd)) return;
  hwnd_ = hwnd;
  started_ = true;
  SetCapture(hwnd);
  previous_ = cursor ? SetCursor(cursor) : GetCursor();
}

void MouseCapture::Release() {
  if (!started_) return;
  started_ = false;
  // A capture taken over by another window is that window's, pointer included.
  if (GetCapture() == hwnd_) {
    ReleaseCapture();
    SetCursor(previous_);
  }
  hwnd_ = nullptr;
  previous_ = nullptr;
}

bool MouseCapture::Held() const { return started_ && GetCapture() == hwnd_; }

}  // namespace ui

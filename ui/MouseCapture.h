// Mouse capture for a window with a pointer of its own while the capture lasts.
#pragma once
#include <windows.h>

namespace ui {

// While a window holds the capture the system sends no WM_SETCURSOR, so the
// pointer is set directly when the capture starts and the previous pointer
// is put back when it ends. Release (also on destruction) gives up the
// capture only while this window still holds it, so a capture that another
// window has taken since is left alone.
class MouseCapture {
 public:
  MouseCapture() = default;
  ~MouseCapture() { Release(); }
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;

  // Captures the mouse for the window (on its thread) and shows the pointer
  // (none given: the pointer stays as it is).
  void Start(HWND hwnd, HCURSOR cursor);
  void Release();
  // True while the window still holds the capture.
  bool Held() const;

 private:
  HWND hwnd_ = nullptr;
  HCURSOR previous_ = nullptr;
  bool started_ = false;
};

}  // namespace ui

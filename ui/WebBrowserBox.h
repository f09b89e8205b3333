// Web-browser box: the browser control hosted in an "AtlAxWin" window (one use of the ActiveX host).
#pragma once
#include "Control.h"

namespace ui {

class WebBrowserBox : public KindControl<Kind::WebBrowser> {
 public:
  using KindControl::KindControl;
  // Creates the host window with its browser control; null when the host
  // cannot be had.
  static HWND Create(HWND parent, const Rect& rect, bool visible);
  // Lets the browser go to the address. The browser lives in its window
  // thread's apartment, so a call from another thread is carried out there
  // through the window layer; false when there is no browser, or the call
  // comes from another thread and the layer cannot reach the box's thread.
  bool Navigate(const std::string& address) const;
};

}  // namespace ui

// Web-browser box: a browser control hosted in an "AtlAxWin" window.
#pragma once
#include "Control.h"

namespace ui {

class WebBrowserBox : public Control {
 public:
  using Control::Control;
  // Creates the host window with its browser control; null when the host
  // cannot be had.
  static HWND Create(HWND parent, const Rect& rect, bool visible);
  // Lets the browser go to the address; false when there is no browser.
  bool Navigate(const std::string& address) const;
};

}  // namespace ui

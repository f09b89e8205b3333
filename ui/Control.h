// Base of the typed control wrappers: a borrowed window handle and the common properties.
#pragma once
#include <windows.h>

#include <string>

#include "Form.h"

namespace ui {

class Control {
 public:
  explicit Control(HWND hwnd = nullptr) : hwnd_(hwnd) {}
  // The kinds of rows the wrapper fits (Window::Get): this one every kind.
  static bool Fits(const ControlKind&) { return true; }
  HWND Hwnd() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetEnabled(bool on) const { EnableWindow(hwnd_, on ? TRUE : FALSE); }
  bool Visible() const { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void SetVisible(bool on) const { ShowWindow(hwnd_, on ? SW_SHOWNA : SW_HIDE); }

  // The window text, GBK.
  std::string Text() const;
  void SetText(const std::string& text) const;

  // Position relative to the parent, and size.
  Rect Bounds() const;

 protected:
  HWND hwnd_;
};

// A window's whole text, as UTF-16 and as GBK.
std::wstring WideWindowText(HWND window);
std::string WindowText(HWND window);
// A window's class name; empty when it cannot be read.
std::wstring WindowClass(HWND window);

// Base of the wrapper of one control kind: it fits the rows of that kind only.
template <const ControlKind& K>
class KindControl : public Control {
 public:
  using Control::Control;
  static bool Fits(const ControlKind& kind) { return &kind == &K; }
};

}  // namespace ui

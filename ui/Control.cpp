// Base of the typed control wrappers.
#include "Control.h"

#include "ui/base/WideText.h"

namespace ui {

std::string Control::Text() const {
  int n = GetWindowTextLengthW(hwnd_);
  std::wstring buf(n + 1, L'\0');
  n = GetWindowTextW(hwnd_, buf.data(), n + 1);
  buf.resize(n);
  return ToGbk(buf);
}

void Control::SetText(const std::string& text) const { SetWindowTextW(hwnd_, ToWide(text).c_str()); }

Rect Control::Bounds() const {
  RECT r = {};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace ui

// Base of the typed control wrappers.
#include "Control.h"

#include "ui/base/WideText.h"

namespace ui {

std::wstring WideWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length < 1) return {};
  std::wstring text(length + 1, L'\0');
  const int n = GetWindowTextW(window, text.data(), length + 1);
  text.resize(n > 0 ? n : 0);
  return text;
}

std::string WindowText(HWND window) { return ToGbk(WideWindowText(window)); }

std::wstring WindowClass(HWND window) {
  wchar_t name[257] = {};  // class names are at most 256 characters
  const int n = GetClassNameW(window, name, 257);
  return std::wstring(name, n > 0 ? n : 0);
}

std::string Control::Text() const { return WindowText(hwnd_); }

void Control::SetText(const std::string& text) const { SetWindowTextW(hwnd_, ToWide(text).c_str()); }

Rect Control::Bounds() const {
  RECT r = {};
  GetWindowRect(hwnd_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace ui

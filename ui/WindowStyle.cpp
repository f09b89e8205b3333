// A form's controls by name, its caption, position, size, visibility and window style at run time.
#include "Window.h"

namespace ui {

HWND Window::ControlHwnd(const char* name) const {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

HWND Window::ControlOfKind(const char* name, bool (*fits)(const ControlKind& kind)) const {
  const HWND control = ControlHwnd(name);
  const ControlDef* row = RowOf(control);
  if (row && !fits(row->kind))
    throw WrongKind(std::string(form_.name) + ": " + name + " is a " + row->kind.name +
                    ", which the wrapper asked for does not fit");
  return control;
}

std::string Window::Caption() const { return Control(hwnd_).Text(); }
void Window::SetCaption(const std::string& text) const { Control(hwnd_).SetText(text); }
bool Window::Topmost() const { return (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

void Window::SetTopmost(bool on) const {
  SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Window::SetHeight(int height) const {
  RECT outer, client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  int frame = (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height + frame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Window::Bounds() const {
  RECT outer, client;
  GetWindowRect(hwnd_, &outer);
  GetClientRect(hwnd_, &client);
  return {outer.left, outer.top, client.right, client.bottom};
}

bool Window::Minimized() const { return IsIconic(hwnd_) != FALSE; }
bool Window::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Window::ShowNormal() const {
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  ShowWindow(hwnd_, SW_SHOW);
  ShowWindow(hwnd_, SW_RESTORE);
}

void Window::HideToTray() const {
  ShowWindow(hwnd_, SW_MINIMIZE);
  ShowWindow(hwnd_, SW_HIDE);
  SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
}

void Window::SetForeground() const { SetForegroundWindow(hwnd_); }
void Window::Close() const { SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

}  // namespace ui

// A form's tray icon: one icon loaded per window, shown and changed on request, removed with the window.
#include <windows.h>
#include <shellapi.h>

#include "Module.h"
#include "ui/base/WideText.h"
#include "Window.h"

namespace ui {

namespace {
constexpr UINT kTrayId = 1;
}

void Window::SetTrayIcon(const std::string& tip) {
  if (!trayIcon_) trayIcon_ = LoadOwnedIcon(ModuleInstance(), form_.icon, 16);
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = kTrayId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = trayIcon_.Get();
  lstrcpynW(data.szTip, ToWide(tip).c_str(), ARRAYSIZE(data.szTip));
  if (!trayShown_ || !Shell_NotifyIconW(NIM_MODIFY, &data)) Shell_NotifyIconW(NIM_ADD, &data);
  trayShown_ = true;
  trayTip_ = tip;
}

void Window::RemoveTrayIcon() {
  if (!trayShown_) return;
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = hwnd_;
  data.uID = kTrayId;
  Shell_NotifyIconW(NIM_DELETE, &data);
  trayShown_ = false;
}

}  // namespace ui

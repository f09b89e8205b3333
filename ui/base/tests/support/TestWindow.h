// Test helper: a hidden window of the test's own class, for tests that watch
// what reaches a window procedure.
#pragma once
#include <windows.h>

namespace testsupport {

// Registers the class (again is harmless) and makes a window of it: an
// overlapped one never shown, or a message-only one under HWND_MESSAGE.
inline HWND MakeTestWindow(const wchar_t* className, WNDPROC proc, HWND parent = nullptr) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  const DWORD style = parent == HWND_MESSAGE ? 0 : WS_OVERLAPPED;
  return CreateWindowExW(0, className, L"", style, 0, 0, 100, 50, parent, nullptr, wc.hInstance, nullptr);
}

}  // namespace testsupport

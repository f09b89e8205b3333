// Test helper: keeps this thread's window messages flowing while a test waits.
#pragma once
#include <windows.h>

#include "ui/App.h"

namespace testsupport {

// Pumps messages until the condition holds or ms milliseconds have passed;
// true when it held.
template <typename Condition>
bool PumpUntil(Condition done, int ms) {
  DWORD until = GetTickCount() + ms;
  for (;;) {
    ui::PumpPendingMessages();
    if (done()) return true;
    if ((int)(until - GetTickCount()) <= 0) return false;
    Sleep(5);
  }
}

// Takes away the quit message that closing a program's last form posts, so
// that the next test's message loops run.
inline void DropQuit() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

inline void Pump(int ms) {
  PumpUntil([] { return false; }, ms);
}

}  // namespace testsupport

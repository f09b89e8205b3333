// Test helper: acts on the first dialog of this process from a thread of its own.
#include "DialogDriver.h"

#include <cwchar>

namespace testsupport {

namespace {

BOOL CALLBACK FindDialog(HWND w, LPARAM out) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(w) || wcscmp(cls, L"#32770") != 0) return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

}  // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> act)
    : thread_([this, act] {
        for (int i = 0; i < 500 && !stop_; ++i) {
          HWND dialog = nullptr;
          EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&dialog));
          if (dialog) {
            Sleep(300);  // let the dialog finish filling itself
            act(dialog);
            acted_ = true;
            return;
          }
          Sleep(20);
        }
      }) {}

DialogDriver::~DialogDriver() {
  stop_ = true;
  thread_.join();
}

}  // namespace testsupport

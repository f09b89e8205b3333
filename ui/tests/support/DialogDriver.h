// Test helper: acts on the first dialog of this process from a thread of its own.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace testsupport {

// Runs an action on the first visible dialog (#32770) of this process, from a
// thread of its own, while the test thread sits in the dialog's modal loop.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(HWND)> act);
  ~DialogDriver();
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;
  bool Acted() const { return acted_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> acted_{false};
  std::thread thread_;
};

// Presses a dialog's button as a click would.
inline void PressDialogButton(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

}  // namespace testsupport

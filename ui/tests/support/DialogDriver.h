// Test helper: acts on the dialogs of this process from a thread of its own, once the control it needs is ready.
#pragma once
#include <windows.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <utility>

#include "ui/tests/support/WindowDriver.h"

namespace testsupport {

// A WindowDriver for dialogs (#32770): runs the action on each dialog this
// process shows, once `ready` holds for it, while the test thread sits in the
// dialog's modal loop.
class DialogDriver : public WindowDriver {
 public:
  DialogDriver(std::string readyWhat, std::function<bool(HWND)> ready, std::function<void(HWND)> act)
      : WindowDriver(L"#32770", std::move(readyWhat), std::move(ready), std::move(act)) {}
};

// Presses a dialog's button as a click would.
inline void PressDialogButton(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// A driver that presses the dialog's button once that button is ready.
inline std::function<void(HWND)> Pressing(int id) {
  return [id](HWND dialog) { PressDialogButton(dialog, id); };
}

// The dialog's button is there to be pressed.
inline std::function<bool(HWND)> ButtonReady(int id) {
  return [id](HWND dialog) { return ControlReady(dialog, id); };
}

// The open-file dialog has filled its type box and can take a name.
inline bool OpenFileDialogReady(HWND dialog) {
  return ControlReady(dialog, IDOK) && SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0) > 0;
}

}  // namespace testsupport

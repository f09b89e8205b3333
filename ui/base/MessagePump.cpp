// Dispatching a thread's waiting window messages inside a wait.
#include "MessagePump.h"

#include <windows.h>

namespace web {

PendingQuit::~PendingQuit() {
  if (seen_) PostQuitMessage(exitCode_);
}

void PumpWaitingMessages(PendingQuit& quit) {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit.Note(static_cast<int>(msg.wParam));
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpingWait(unsigned milliseconds, void* handle) {
  PendingQuit quit;
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD passed = GetTickCount() - start;
    if (passed >= milliseconds) return false;
    const DWORD woke = MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE,
                                                 milliseconds - passed, kPumpingWakeMask);
    if (handle && woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_FAILED) {
      // Nothing to wait on any more: sleep out the rest rather than spin.
      Sleep(milliseconds - passed);
      return false;
    }
    PumpWaitingMessages(quit);
  }
}

}  // namespace web

// A pause on a waitable timer that keeps the calling thread's window messages flowing.
#include "PumpingDelay.h"

#include <windows.h>

#include "OwnedHandle.h"
#include "MessagePump.h"

namespace web {

void PumpingDelay(int milliseconds) {
  const DWORD ms = milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0;
  const DWORD start = GetTickCount();
  KernelHandle timer(CreateWaitableTimerA(nullptr, FALSE, nullptr));
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(ms) * 10000;  // relative, in 100-ns units
  if (!timer || !SetWaitableTimer(timer.Get(), &due, 0, nullptr, nullptr, FALSE)) {
    // Without a timer the same length is waited on the clock instead.
    PumpingWait(ms);
    return;
  }
  PendingQuit quit;
  HANDLE handle = timer.Get();
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, kPumpingWakeMask);
    if (woke == WAIT_OBJECT_0) return;
    if (woke == WAIT_FAILED) {
      const DWORD passed = GetTickCount() - start;
      PumpingWait(passed < ms ? ms - passed : 0);
      return;
    }
    PumpWaitingMessages(quit);
  }
}

}  // namespace web

// A pause on a waitable timer that keeps the calling thread's window messages flowing.
#include "PumpingDelay.h"

#include <windows.h>

#include "ui/base/KernelHandle.h"
#include "ui/base/MessagePump.h"

namespace web {

void PumpingDelay(int milliseconds) {
  const DWORD ms = milliseconds > 0 ? static_cast<DWORD>(milliseconds) : 0;
  const DWORD start = GetTickCount();
  ui::KernelHandle timer(CreateWaitableTimerA(nullptr, FALSE, nullptr));
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(ms) * 10000;  // relative, in 100-ns units
  if (!timer || !SetWaitableTimer(timer.Get(), &due, 0, nullptr, nullptr, FALSE)) {
    // Without a timer the same length is waited on the clock instead.
    ui::PumpingWait(ms);
    return;
  }
  ui::PendingQuit quit;
  for (;;) {
    switch (ui::WaitOnceAndPump(timer.Get(), INFINITE, quit)) {
      case ui::Wake::Signalled: return;
      case ui::Wake::Failed: {
        const DWORD passed = GetTickCount() - start;
        ui::PumpingWait(passed < ms ? ms - passed : 0);
        return;
      }
      case ui::Wake::Messages:
      case ui::Wake::TimedOut: break;
    }
  }
}

}  // namespace web

// The one message pump: taking, filtering and dispatching a thread's messages, in loops and in waits.
#include "MessagePump.h"

#include <windows.h>

#include <atomic>

namespace ui {

namespace {

std::atomic<MessageFilter> g_filter{nullptr};

void Dispatch(MSG& msg) {
  const MessageFilter filter = g_filter.load();
  if (filter && filter(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

void SetMessageFilter(MessageFilter filter) { g_filter.store(filter); }

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
    Dispatch(msg);
  }
}

void PumpPendingMessages() {
  PendingQuit quit;
  PumpWaitingMessages(quit);
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  return static_cast<int>(msg.wParam);
}

bool PumpNextMessage(PendingQuit& quit) {
  MSG msg;
  const int r = GetMessageW(&msg, nullptr, 0, 0);
  if (r == 0) quit.Note(static_cast<int>(msg.wParam));
  if (r <= 0) return false;
  Dispatch(msg);
  return true;
}

Wake WaitOnceAndPump(void* handle, unsigned long milliseconds, PendingQuit& quit) {
  const DWORD woke =
      MsgWaitForMultipleObjects(handle ? 1 : 0, handle ? &handle : nullptr, FALSE, milliseconds, kPumpingWakeMask);
  if (handle && woke == WAIT_OBJECT_0) return Wake::Signalled;
  if (woke == WAIT_FAILED) return Wake::Failed;
  PumpWaitingMessages(quit);
  return woke == WAIT_TIMEOUT ? Wake::TimedOut : Wake::Messages;
}

bool PumpingWait(unsigned milliseconds, void* handle) {
  PendingQuit quit;
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD passed = GetTickCount() - start;
    if (passed >= milliseconds) return false;
    switch (WaitOnceAndPump(handle, milliseconds - passed, quit)) {
      case Wake::Signalled: return true;
      case Wake::Failed:
        // Nothing to wait on any more: sleep out the rest rather than spin.
        Sleep(milliseconds - passed);
        return false;
      case Wake::Messages:
      case Wake::TimedOut: break;
    }
  }
}

}  // namespace ui

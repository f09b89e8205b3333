// Dispatching a thread's waiting window messages inside a wait, without losing a quit request.
#pragma once

namespace web {

// QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT
// | QS_SENDMESSAGE | QS_HOTKEY: what wakes the pumping waits.
constexpr unsigned kPumpingWakeMask = 0xFF;

// A WM_QUIT taken out of the queue while dispatching; posted again when the
// waiting routine that owns this object returns, so the thread's own message
// loop still ends.
class PendingQuit {
 public:
  PendingQuit() = default;
  ~PendingQuit();
  PendingQuit(const PendingQuit&) = delete;
  PendingQuit& operator=(const PendingQuit&) = delete;
  void Note(int exitCode) {
    seen_ = true;
    exitCode_ = exitCode;
  }

 private:
  bool seen_ = false;
  int exitCode_ = 0;
};

// Dispatches every message waiting for the calling thread.
void PumpWaitingMessages(PendingQuit& quit);

// Waits the given milliseconds, or until `handle` (when given) is signalled,
// while dispatching the calling thread's messages as they arrive (input,
// posted, timer, paint, sent, hot-key). True when the handle was signalled.
bool PumpingWait(unsigned milliseconds, void* handle = nullptr);

}  // namespace web

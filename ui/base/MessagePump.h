// The one message pump: the message loop and every wait that keeps a thread's window messages flowing.
#pragma once

struct tagMSG;  // MSG

namespace ui {

// QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT
// | QS_SENDMESSAGE | QS_HOTKEY: what wakes the pumping waits.
constexpr unsigned kPumpingWakeMask = 0xFF;

// Sees every message the pump takes before it is translated and dispatched,
// and may use it up (true). The window layer sets the forms' dialog keys here
// when it starts (Tab, Shift+Tab and the arrows move between controls), so
// they work in every loop and wait; without one, every message is dispatched.
// One filter per module.
using MessageFilter = bool (*)(tagMSG& msg);
void SetMessageFilter(MessageFilter filter);

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

// The same for a caller with no wait of its own: a WM_QUIT met is posted
// again before it returns.
void PumpPendingMessages();

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Waits for the thread's next message and dispatches it, for a loop that
// ends on a condition of its own (a modal window closed). False when it was
// WM_QUIT (noted in `quit`, to be posted again) or the queue failed.
bool PumpNextMessage(PendingQuit& quit);

// How one pumping wait ended.
enum class Wake { Signalled, Messages, TimedOut, Failed };

// Waits up to `milliseconds` (0xFFFFFFFF: no limit) for `handle` (nullptr:
// for messages only) or a message; when it was not the handle, dispatches
// the waiting messages before it returns. Failed when there is nothing to
// wait on (a handle closed meanwhile).
Wake WaitOnceAndPump(void* handle, unsigned long milliseconds, PendingQuit& quit);

// Waits the given milliseconds, or until `handle` (when given) is signalled,
// while dispatching the calling thread's messages as they arrive (input,
// posted, timer, paint, sent, hot-key). True when the handle was signalled.
bool PumpingWait(unsigned milliseconds, void* handle = nullptr);

}  // namespace ui

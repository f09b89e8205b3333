// Test helper: answers the message boxes of this process and records what they said.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ui/base/tests/support/Pump.h"

namespace testsupport {

struct SeenDialog {
  std::string title;  // GBK
  std::string text;   // GBK
};

// Watches for dialogs (#32770) of the process from a thread of its own and
// presses the chosen button (IDOK, IDYES, IDNO...) on each one it finds; when
// the dialog has no such button it presses OK, else Cancel.
class DialogWatcher {
 public:
  explicit DialogWatcher(int answer = IDOK);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  void SetAnswer(int answer);
  std::vector<SeenDialog> Seen() const;
  // Waits (pumping this thread's messages) until at least count dialogs were
  // answered; on giving up it says what it waited for and what it saw.
  testing::AssertionResult WaitFor(size_t count, int ms = kLongWaitMs) const;
  void Clear();
  // What the answered dialogs said, one "[title] text" line each in UTF-8; for the
  // message of a test that saw a box it did not expect.
  std::string Describe() const;

 private:
  void Run();
  static BOOL CALLBACK OnWindow(HWND hwnd, LPARAM self);

  mutable std::mutex lock_;
  std::vector<SeenDialog> seen_;
  std::vector<HWND> answered_;
  int answer_;
  volatile bool stop_ = false;
  std::thread thread_;
};

// Closes the dialogs that this process still shows, for a fixture's end: what
// they said, one "[title] text" line each in UTF-8; empty when there were none.
std::string CloseStrayDialogs();

}  // namespace testsupport

// Test helper: answers the message boxes of this process and records what they said.
#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

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
  // Waits up to ms milliseconds (pumping this thread's messages) until at
  // least count dialogs were answered; true when they were.
  bool WaitFor(size_t count, int ms) const;
  void Clear();

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

}  // namespace testsupport

// Test helper: acts on the windows of a class that this process shows (dialogs, pop-up menus) once they are ready.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

// Watches, from a thread of its own, for visible windows of the class (a
// dialog "#32770", a pop-up menu "#32768") that this process shows, while the
// test thread sits in their modal loop. Each time one shows, the driver waits
// until `ready` holds for it, then runs `act` on it. A window that is not
// ready within the long wait is closed (so that the test thread gets out of
// its loop), and what the driver waited for is kept for the test's message.
class WindowDriver {
 public:
  WindowDriver(const wchar_t* cls, std::string readyWhat, std::function<bool(HWND)> ready,
               std::function<void(HWND)> act);
  ~WindowDriver();
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  // How many windows it acted on.
  int Count() const { return count_; }
  // Success once it acted on `count` windows; else what it waited for.
  testing::AssertionResult Acted(int count = 1) const;

 private:
  void Run();

  const std::wstring cls_;
  const std::string readyWhat_;
  std::function<bool(HWND)> ready_;
  std::function<void(HWND)> act_;
  std::atomic<bool> stop_{false};
  std::atomic<int> count_{0};
  mutable std::mutex lock_;
  std::string failures_;
  std::thread thread_;
};

// A dialog's control with this id is there, visible and enabled.
bool ControlReady(HWND dialog, int id);

// A pop-up menu's window (#32768) holds its menu.
bool MenuReady(HWND menuWindow);

}  // namespace testsupport

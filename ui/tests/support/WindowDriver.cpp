// Test helper: acts on the windows of a class that this process shows once they are ready.
#include "ui/tests/support/WindowDriver.h"

#include <algorithm>

#include "ui/base/tests/support/Pump.h"

namespace testsupport {

namespace {

// The visible top-level windows of the class that belong to this process.
std::vector<HWND> ShownWindows(const std::wstring& cls) {
  std::vector<HWND> shown;
  for (HWND h = FindWindowExW(nullptr, nullptr, cls.c_str(), nullptr); h;
       h = FindWindowExW(nullptr, h, cls.c_str(), nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(h)) shown.push_back(h);
  }
  return shown;
}

std::string Narrow(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }

}  // namespace

WindowDriver::WindowDriver(const wchar_t* cls, std::string readyWhat, std::function<bool(HWND)> ready,
                           std::function<void(HWND)> act)
    : cls_(cls), readyWhat_(std::move(readyWhat)), ready_(std::move(ready)), act_(std::move(act)), thread_([this] {
        Run();
      }) {}

WindowDriver::~WindowDriver() {
  stop_ = true;
  thread_.join();
}

testing::AssertionResult WindowDriver::Acted(int count) const {
  if (count_ >= count) return testing::AssertionSuccess();
  std::lock_guard<std::mutex> g(lock_);
  return testing::AssertionFailure() << "acted on " << count_ << " of " << count << " window(s) of class "
                                     << Narrow(cls_) << "; " << (failures_.empty() ? "no other one showed" : failures_);
}

void WindowDriver::Run() {
  // The windows acted on (or given up) that still show; one that hides and
  // shows again is a new showing.
  std::vector<HWND> handled;
  while (!stop_) {
    const std::vector<HWND> shown = ShownWindows(cls_);
    handled.erase(std::remove_if(handled.begin(), handled.end(),
                                 [&](HWND h) { return std::find(shown.begin(), shown.end(), h) == shown.end(); }),
                  handled.end());
    for (HWND w : shown) {
      if (stop_) return;
      if (std::find(handled.begin(), handled.end(), w) != handled.end()) continue;
      handled.push_back(w);
      PollUntil([&] { return stop_ || !IsWindow(w) || ready_(w); });
      if (stop_ || !IsWindow(w)) continue;
      if (ready_(w)) {
        act_(w);
        ++count_;
        continue;
      }
      {
        std::lock_guard<std::mutex> g(lock_);
        failures_ += GaveUpWaitingFor(readyWhat_) + " (the window was closed); ";
      }
      PostMessageW(w, WM_CLOSE, 0, 0);
    }
    Sleep(20);
  }
}

bool ControlReady(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

bool MenuReady(HWND menuWindow) { return SendMessageW(menuWindow, MN_GETHMENU, 0, 0) != 0; }

}  // namespace testsupport

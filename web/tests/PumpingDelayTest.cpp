// Tests of the pumping delay and the clock-based pumping wait behind it.
#include "web/PumpingDelay.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "ui/base/MessagePump.h"
#include "ui/base/tests/support/TestWindow.h"

namespace web {
namespace {

int ticks = 0;
int posted = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) ++ticks;
  if (msg == WM_APP) ++posted;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// A hidden window of the test thread that counts its timer and posted messages.
class CountingWindow {
 public:
  CountingWindow() {
    hwnd = testsupport::MakeTestWindow(L"PumpingDelayTestWindow", CountingProc);
    ticks = posted = 0;
  }
  ~CountingWindow() { DestroyWindow(hwnd); }
  HWND hwnd;
};

DWORD Timed(void (*wait)(int), int ms) {
  const DWORD start = GetTickCount();
  wait(ms);
  return GetTickCount() - start;
}

TEST(PumpingDelayTest, ReturnsAfterTheDelayWithoutMessages) {
  const DWORD took = Timed(PumpingDelay, 1500);
  EXPECT_GE(took, 1400u);
  EXPECT_LT(took, 5000u);
  EXPECT_LT(Timed(PumpingDelay, 0), 500u);
  EXPECT_LT(Timed(PumpingDelay, -20), 500u);
}

TEST(PumpingDelayTest, WindowMessagesKeepFlowingDuringTheDelay) {
  CountingWindow window;
  ASSERT_NE(window.hwnd, nullptr);
  SetTimer(window.hwnd, 1, 100, nullptr);
  PostMessageW(window.hwnd, WM_APP, 0, 0);
  const DWORD took = Timed(PumpingDelay, 1500);
  KillTimer(window.hwnd, 1);
  EXPECT_GE(took, 1400u);
  EXPECT_LT(took, 5000u);
  EXPECT_EQ(posted, 1);
  EXPECT_GE(ticks, 5);
}

TEST(PumpingDelayTest, QuitRequestSurvivesTheDelay) {
  PostQuitMessage(7);
  PumpingDelay(200);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

// The wait used when no timer can be had: same length, messages flowing.
TEST(PumpingDelayTest, ClockWaitLastsAsLongAndPumps) {
  CountingWindow window;
  PostMessageW(window.hwnd, WM_APP, 0, 0);
  const DWORD took = Timed([](int ms) { ui::PumpingWait(static_cast<unsigned>(ms)); }, 600);
  EXPECT_GE(took, 550u);
  EXPECT_LT(took, 3000u);
  EXPECT_EQ(posted, 1);
}

}  // namespace
}  // namespace web

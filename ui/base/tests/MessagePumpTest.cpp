// Tests of the one message pump: every loop and wait hands each message to the filter first, and a quit survives.
#include "ui/base/MessagePump.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ui/base/KernelHandle.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/base/tests/support/TestWindow.h"

namespace ui {
namespace {

constexpr UINT kKept = WM_APP + 1;    // the filter uses it up
constexpr UINT kPassed = WM_APP + 2;  // goes on to the window
constexpr UINT kLast = WM_APP + 3;    // goes on to the window, which then signals `done`

std::vector<UINT> g_filtered, g_dispatched;
HANDLE g_done = nullptr;

bool TestFilter(MSG& msg) {
  if (msg.message < WM_APP) return false;
  g_filtered.push_back(msg.message);
  return msg.message == kKept;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg >= WM_APP) g_dispatched.push_back(msg);
  if (msg == kLast) SetEvent(g_done);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class MessagePumpTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = testsupport::MakeTestWindow(L"MessagePumpTestWindow", RecordingProc);
    ASSERT_NE(window_, nullptr);
    done_.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    g_done = done_.Get();
    g_filtered.clear();
    g_dispatched.clear();
    SetMessageFilter(TestFilter);
  }
  void TearDown() override {
    SetMessageFilter(nullptr);
    DestroyWindow(window_);
  }
  void PostThree() {
    PostMessageW(window_, kKept, 0, 0);
    PostMessageW(window_, kPassed, 0, 0);
    PostMessageW(window_, kLast, 0, 0);
  }
  // What the filter and the window saw once `pump` has taken the three messages.
  void ExpectFilteredThenDispatched(const char* pump) {
    EXPECT_EQ(g_filtered, (std::vector<UINT>{kKept, kPassed, kLast})) << pump;
    EXPECT_EQ(g_dispatched, (std::vector<UINT>{kPassed, kLast})) << pump;
    g_filtered.clear();
    g_dispatched.clear();
    ResetEvent(g_done);
  }

  HWND window_ = nullptr;
  KernelHandle done_;
};

TEST_F(MessagePumpTest, EveryLoopAndWaitHandsEachMessageToTheFilterFirst) {
  PostThree();
  PumpPendingMessages();
  ExpectFilteredThenDispatched("PumpPendingMessages");

  // A wait on a handle that only the last message signals.
  PostThree();
  ASSERT_TRUE(PumpingWait(testsupport::kLongWaitMs, g_done))
      << testsupport::GaveUpWaitingFor("the pumping wait to dispatch the last message");
  ExpectFilteredThenDispatched("PumpingWait");

  PostThree();
  {
    PendingQuit quit;
    Wake woke = Wake::Messages;
    for (int i = 0; i < 10 && WaitForSingleObject(g_done, 0) != WAIT_OBJECT_0; ++i)
      woke = WaitOnceAndPump(g_done, testsupport::kLongWaitMs, quit);
    ASSERT_EQ(WaitForSingleObject(g_done, 0), WAIT_OBJECT_0)
        << testsupport::GaveUpWaitingFor("the waits to dispatch the last message");
    EXPECT_EQ(woke, Wake::Messages);
  }
  ExpectFilteredThenDispatched("WaitOnceAndPump");

  PostThree();
  PostQuitMessage(4);
  EXPECT_EQ(RunMessageLoop(), 4);
  ExpectFilteredThenDispatched("RunMessageLoop");
}

TEST_F(MessagePumpTest, WithoutAFilterEveryMessageIsDispatched) {
  SetMessageFilter(nullptr);
  PostThree();
  PumpPendingMessages();
  EXPECT_TRUE(g_filtered.empty());
  EXPECT_EQ(g_dispatched, (std::vector<UINT>{kKept, kPassed, kLast}));
}

// A quit met while pumping is the thread's loop's to take: posted again once
// the pumping is over, with its exit code, after the messages behind it.
TEST_F(MessagePumpTest, AQuitMetWhilePumpingStillEndsTheLoop) {
  PostQuitMessage(9);
  PostThree();
  PumpPendingMessages();
  ExpectFilteredThenDispatched("PumpPendingMessages");
  EXPECT_EQ(RunMessageLoop(), 9);

  PostQuitMessage(11);
  EXPECT_FALSE(PumpingWait(50));
  EXPECT_EQ(RunMessageLoop(), 11);
}

}  // namespace
}  // namespace ui

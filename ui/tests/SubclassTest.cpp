// The one owner of subclassing under Wine: where the previous procedure is
// kept, the order in which stacked subclasses see a message, taking a
// subclass away, the window's end and the exception barrier.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Subclass.h"
#include "ui/base/tests/support/TestWindow.h"

namespace {

std::vector<std::string> g_seen;
constexpr UINT kThrow = WM_APP + 7;

// The window's own procedure: records the messages of interest.
LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP || msg == WM_NCDESTROY) g_seen.push_back(msg == WM_APP ? "own" : "own end");
  if (msg == WM_APP) return 7;
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK FrontBody(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK BackBody(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
const ui::Subclass kFront{L"TavrinTestFront", FrontBody};
const ui::Subclass kBack{L"TavrinTestBack", BackBody};
// Shares the property of kBack: a window takes one of the two only.
const ui::Subclass kRival{L"TavrinTestBack", BackBody};

LRESULT CALLBACK FrontBody(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP || msg == WM_NCDESTROY) g_seen.push_back(msg == WM_APP ? "front" : "front end");
  if (msg == kThrow) throw std::runtime_error("thrown in the front body");
  return kFront.CallPrevious(hwnd, msg, wp, lp);
}

LRESULT CALLBACK BackBody(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP || msg == WM_NCDESTROY) g_seen.push_back(msg == WM_APP ? "back" : "back end");
  return kBack.CallPrevious(hwnd, msg, wp, lp);
}

WNDPROC ProcOf(HWND hwnd) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)); }

class SubclassTest : public testing::Test {
 protected:
  void SetUp() override {
    hwnd_ = testsupport::MakeTestWindow(L"TavrinSubclassTest", OwnProc);
    ASSERT_NE(hwnd_, nullptr);
    g_seen.clear();
  }
  void TearDown() override {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND hwnd_ = nullptr;
};

TEST_F(SubclassTest, AttachKeepsThePreviousProcedureAndDetachPutsItBack) {
  ASSERT_TRUE(ui::AttachSubclass<kBack>(hwnd_));
  EXPECT_EQ(ProcOf(hwnd_), ui::SubclassProc<kBack>);
  EXPECT_EQ(kBack.Previous(hwnd_), OwnProc);
  EXPECT_EQ(GetPropW(hwnd_, L"TavrinTestBack"), reinterpret_cast<HANDLE>(OwnProc));
  EXPECT_FALSE(ui::AttachSubclass<kBack>(hwnd_));
  EXPECT_FALSE(ui::AttachSubclass<kRival>(hwnd_));
  EXPECT_EQ(SendMessageW(hwnd_, WM_APP, 0, 0), 7);
  EXPECT_EQ(g_seen, (std::vector<std::string>{"back", "own"}));
  // Text set through the subclass stays Unicode.
  ui::Control(hwnd_).SetText("视频解析：优酷");
  EXPECT_TRUE(IsWindowUnicode(hwnd_));
  EXPECT_EQ(ui::Control(hwnd_).Text(), "视频解析：优酷");

  EXPECT_TRUE(ui::DetachSubclass<kBack>(hwnd_));
  EXPECT_EQ(ProcOf(hwnd_), OwnProc);
  EXPECT_FALSE(kBack.On(hwnd_));
  EXPECT_FALSE(ui::DetachSubclass<kBack>(hwnd_));
  g_seen.clear();
  SendMessageW(hwnd_, WM_APP, 0, 0);
  EXPECT_EQ(g_seen, std::vector<std::string>{"own"});
}

// The later subclass sees a message first. One that others stand in front
// of stays in the chain when asked to go, and goes once it is in front.
TEST_F(SubclassTest, StackedSubclassesHandOnInTurnAndLeaveOnlyFromTheFront) {
  ASSERT_TRUE(ui::AttachSubclass<kBack>(hwnd_));
  ASSERT_TRUE(ui::AttachSubclass<kFront>(hwnd_));
  SendMessageW(hwnd_, WM_APP, 0, 0);
  EXPECT_EQ(g_seen, (std::vector<std::string>{"front", "back", "own"}));

  EXPECT_FALSE(ui::DetachSubclass<kBack>(hwnd_));
  EXPECT_TRUE(kBack.On(hwnd_));
  g_seen.clear();
  SendMessageW(hwnd_, WM_APP, 0, 0);
  EXPECT_EQ(g_seen, (std::vector<std::string>{"front", "back", "own"}));

  EXPECT_TRUE(ui::DetachSubclass<kFront>(hwnd_));
  EXPECT_EQ(ProcOf(hwnd_), ui::SubclassProc<kBack>);
  EXPECT_TRUE(ui::DetachSubclass<kBack>(hwnd_));
  EXPECT_EQ(ProcOf(hwnd_), OwnProc);
}

// A body that throws answers its message with 0 and the window goes on;
// on the window's end every subclass sees WM_NCDESTROY before the window's
// own procedure does, and none stays behind.
TEST_F(SubclassTest, NoExceptionLeavesAndTheEndReachesEveryProcedure) {
  ASSERT_TRUE(ui::AttachSubclass<kBack>(hwnd_));
  ASSERT_TRUE(ui::AttachSubclass<kFront>(hwnd_));
  EXPECT_EQ(SendMessageW(hwnd_, kThrow, 0, 0), 0);
  EXPECT_EQ(SendMessageW(hwnd_, WM_APP, 0, 0), 7);
  g_seen.clear();
  ASSERT_TRUE(DestroyWindow(hwnd_));
  EXPECT_EQ(g_seen, (std::vector<std::string>{"front end", "back end", "own end"}));
}

}  // namespace

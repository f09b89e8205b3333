// The forms' keyboard in the waits: Tab moves between controls while the window thread waits on work.
#include <windows.h>

#include <gtest/gtest.h>

#include "ui/App.h"
#include "ui/Window.h"
#include "ui/base/KernelHandle.h"
#include "ui/base/MessagePump.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/base/tests/support/TestWindow.h"

namespace {

const ui::ControlDef kControls[] = {
    ui::Row("第一", ui::Kind::Button).At(10, 10, 80, 24).Caption("第一"),
    ui::Row("第二", ui::Kind::Button).At(100, 10, 80, 24).Caption("第二"),
};
const ui::FormDef kForm = ui::FormDef("DialogKeysForm", "键盘", {80, 80, 200, 60}, kControls);

HANDLE g_arrived = nullptr;

LRESULT CALLBACK SignalProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_APP) SetEvent(g_arrived);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

class DialogKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitWindowLayer());
    signal_ = testsupport::MakeTestWindow(L"DialogKeysTestSignal", SignalProc, HWND_MESSAGE);
    arrived_.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    g_arrived = arrived_.Get();
    w_ = ui::Window::Load(kForm);
    ASSERT_NE(w_, nullptr);
    SetForegroundWindow(w_->Hwnd());
  }
  void TearDown() override {
    if (ui::Window::Find("DialogKeysForm")) DestroyWindow(w_->Hwnd());
    DestroyWindow(signal_);
    ui::PumpPendingMessages();
    testsupport::DropQuit();
  }
  // A key as the keyboard gives it, to the focused control, then a message
  // behind it that says the wait has taken the key.
  void PostKey(WPARAM key) const {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000000);
    PostMessageW(signal_, WM_APP, 0, 0);
  }
  HWND C(const char* name) const { return w_->ControlHwnd(name); }

  ui::Window* w_ = nullptr;
  HWND signal_ = nullptr;
  ui::KernelHandle arrived_;
};

TEST_F(DialogKeysTest, TabMovesBetweenControlsWhileTheThreadWaits) {
  SetFocus(C("第一"));
  PostKey(VK_TAB);
  ASSERT_TRUE(ui::PumpingWait(testsupport::kLongWaitMs, arrived_.Get()))
      << testsupport::GaveUpWaitingFor("the pumping wait to take the key");
  EXPECT_EQ(GetFocus(), C("第二"));

  // The waits of web requests and delays wait one step at a time; Tab goes
  // round to the first control.
  PostKey(VK_TAB);
  ui::PendingQuit quit;
  bool taken = false;
  for (int i = 0; i < 10 && !taken; ++i)
    taken = ui::WaitOnceAndPump(arrived_.Get(), testsupport::kLongWaitMs, quit) == ui::Wake::Signalled;
  ASSERT_TRUE(taken) << testsupport::GaveUpWaitingFor("the one-step waits to take the key");
  EXPECT_EQ(GetFocus(), C("第一"));
}

}  // namespace

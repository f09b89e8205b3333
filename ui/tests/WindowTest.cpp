// The window layer under Wine: forms built into real windows, events, modal
// loading, menus, timers, the tray icon and the program's exit.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <thread>

#include "ui/App.h"
#include "ui/Button.h"
#include "ui/WebBrowserBox.h"
#include "ui/CheckBox.h"
#include "ui/Window.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/tests/support/WindowDriver.h"

namespace {

using testsupport::Pump;

std::vector<std::string> g_events;
void Record(const char* what, int arg) { g_events.push_back(std::string(what) + ":" + std::to_string(arg)); }
void OnButton(ui::Window&, ui::Event&) { Record("button", 0); }
void OnCheck(ui::Window&, ui::Event& e) { Record("check", e.NowChecked()); }
void OnTick(ui::Window&, ui::Event&) { Record("tick", 0); }
void OnTray(ui::Window&, ui::Event& e) { Record("tray", e.Tray()); }
void OnItem(ui::Window&, ui::Event& e) { Record("item", e.Item()); }
void OnCreated(ui::Window&, ui::Event&) { Record("created", 0); }
void OnDestroyed(ui::Window&, ui::Event&) { Record("destroyed", 0); }
ui::CloseAnswer g_closeAnswer = ui::CloseAnswer::None;
ui::CloseAnswer OnClosing(ui::Window&) {
  Record("closing", 0);
  return g_closeAnswer;
}

const ui::ControlDef kControls[] = {
    ui::Row("框", ui::Kind::ShapeBox).At(5, 5, 200, 100),
    ui::Row("按钮", ui::Kind::Button)
        .In("框")
        .At(10, 10, 60, 24)
        .Caption("按钮")
        .Flags(ui::HandCursor)
        .OnClick(OnButton),
    ui::Row("选择", ui::Kind::CheckBox).At(10, 120, 80, 20).Caption("选择").OnClick(OnCheck),
    ui::Row("钟", ui::Kind::Timer).Interval(50).OnTick(OnTick),
};
const ui::MenuItemDef kItems[] = {{"甲", OnItem}, {"-", nullptr}, {"乙", OnItem}};
const ui::MenuDef kMenus[] = {{"菜单", kItems, 3}};
const ui::FormDef kForm = ui::FormDef("TestForm", "测试", {40, 40, 300, 200}, kControls)
                              .Menus(kMenus)
                              .OnCreated(OnCreated)
                              .OnClosing(OnClosing)
                              .OnDestroyed(OnDestroyed)
                              .OnTray(OnTray);
const ui::FormDef kOwned = ui::FormDef("Owned", "子窗口", {60, 60, 200, 100}, kControls + 2, 1);

class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::InitWindowLayer();
    g_events.clear();
    g_closeAnswer = ui::CloseAnswer::None;
    w_ = ui::Window::Load(kForm);
    ASSERT_NE(w_, nullptr);
  }
  void TearDown() override {
    if (ui::Window::Find("TestForm")) DestroyWindow(w_->Hwnd());
    testsupport::DropQuit();
  }
  ui::Window* w_ = nullptr;
};

TEST_F(WindowTest, BuildsTheFormWithItsInsideSizeAndRunsTheCreatedHandler) {
  ASSERT_FALSE(g_events.empty());
  EXPECT_EQ(g_events[0], "created:0");
  EXPECT_EQ(w_->Caption(), "测试");
  EXPECT_EQ(w_->Bounds().w, 300);
  EXPECT_EQ(w_->Bounds().h, 200);
  w_->SetHeight(260);
  EXPECT_EQ(w_->Bounds().h, 260);
  ui::Control inPanel(w_->ControlHwnd("按钮"));
  EXPECT_EQ(GetParent(inPanel.Hwnd()), w_->ControlHwnd("框"));
  EXPECT_EQ(inPanel.Bounds().x, 10);
  EXPECT_EQ(w_->ControlHwnd("没有"), nullptr);
}

TEST_F(WindowTest, ClicksInsideAPanelReachTheHandlers) {
  w_->Get<ui::Button>("按钮").Click();
  w_->Get<ui::Button>("选择").Click();
  EXPECT_EQ(g_events.back(), "check:1");
  EXPECT_EQ(g_events[g_events.size() - 2], "button:0");
  EXPECT_TRUE(w_->Get<ui::CheckBox>("选择").Checked());
}

TEST_F(WindowTest, HandCursorOverMarkedControlsOnly) {
  HWND button = w_->ControlHwnd("按钮");
  SendMessageW(button, WM_SETCURSOR, (WPARAM)button, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, (LPCWSTR)IDC_HAND));
  HWND check = w_->ControlHwnd("选择");
  SendMessageW(check, WM_SETCURSOR, (WPARAM)check, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), LoadCursorW(nullptr, (LPCWSTR)IDC_HAND));
}

TEST_F(WindowTest, TimerTicksAndTakesANewInterval) {
  ui::Timer timer = w_->GetTimer("钟");
  EXPECT_EQ(timer.Interval(), 50);
  ASSERT_TRUE(
      testsupport::PumpFor("two ticks", [] { return std::count(g_events.begin(), g_events.end(), "tick:0") >= 2; }));
  timer.SetInterval(5000);
  EXPECT_EQ(timer.Interval(), 5000);
  g_events.clear();
  Pump(200);  // no tick meanwhile
  EXPECT_EQ(std::count(g_events.begin(), g_events.end(), "tick:0"), 0);
}

TEST_F(WindowTest, TrayMouseMessagesBecomeEventKinds) {
  w_->SetTrayIcon("提示");
  EXPECT_TRUE(w_->HasTrayIcon());
  for (UINT mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_CONTEXTMENU, WM_MOUSEMOVE})
    SendMessageW(w_->Hwnd(), ui::kTrayCallbackMessage, 1, mouse);
  std::vector<std::string> expected = {"tray:" + std::to_string(ui::TrayClick),
                                       "tray:" + std::to_string(ui::TrayDoubleClick),
                                       "tray:" + std::to_string(ui::TrayMenu), "tray:" + std::to_string(ui::TrayMenu)};
  EXPECT_EQ(std::vector<std::string>(g_events.end() - 4, g_events.end()), expected);
  w_->RemoveTrayIcon();
  EXPECT_FALSE(w_->HasTrayIcon());
}

TEST_F(WindowTest, HiddenToTrayAndShownAgain) {
  w_->HideToTray();
  EXPECT_FALSE(w_->Visible());
  EXPECT_TRUE(w_->Minimized());
  w_->ShowNormal();
  EXPECT_TRUE(w_->Visible());
  EXPECT_FALSE(w_->Minimized());
}

TEST_F(WindowTest, PopupMenuShowsEnabledStateAndRunsTheChosenItem) {
  w_->SetMenuItemEnabled("菜单", "甲", false);
  EXPECT_FALSE(w_->MenuItemEnabled("菜单", "甲"));
  std::atomic<UINT> firstState{0xFFFF};
  testsupport::WindowDriver chooser(L"#32768", "the menu's items", testsupport::MenuReady, [&](HWND menuWindow) {
    HMENU menu = (HMENU)SendMessageW(menuWindow, MN_GETHMENU, 0, 0);
    firstState = GetMenuState(menu, 0, MF_BYPOSITION);
    // Down twice skips the greyed item and the separator; Enter picks 乙.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
  });
  // The menu opens at the pointer; a pointer resting over an item would
  // select it before the keys arrive, so it starts off in the corner.
  SetCursorPos(0, 0);
  w_->PopupMenu("菜单");
  EXPECT_TRUE(chooser.Acted());
  EXPECT_TRUE(firstState & MF_GRAYED);
  // The form's timer may tick meanwhile; of the menu, exactly the chosen item ran.
  std::vector<std::string> items;
  for (const std::string& e : g_events)
    if (e.rfind("item:", 0) == 0) items.push_back(e);
  EXPECT_EQ(items, std::vector<std::string>{"item:2"});
}

TEST_F(WindowTest, MayCloseAnswersDecide) {
  g_closeAnswer = ui::CloseAnswer::KeepOpen;
  w_->Close();
  EXPECT_TRUE(IsWindow(w_->Hwnd()));
  g_closeAnswer = ui::CloseAnswer::None;
  HWND hwnd = w_->Hwnd();
  w_->Close();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(ui::Window::Find("TestForm"), nullptr);
  EXPECT_EQ(g_events.back(), "destroyed:0");
}

TEST_F(WindowTest, ModalWindowDisablesItsOwnerUntilItCloses) {
  std::atomic<bool> ownerWasDisabled{false};
  std::thread closer([&] {
    HWND owned = nullptr;
    testsupport::PollUntil([&] { return (owned = FindWindowW(ui::Window::ClassName(), L"子窗口")) != nullptr; });
    ownerWasDisabled = !IsWindowEnabled(w_->Hwnd());
    if (owned) PostMessageW(owned, WM_CLOSE, 0, 0);
  });
  ui::Window::LoadModal(kOwned, w_);
  closer.join();
  EXPECT_TRUE(ownerWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(w_->Hwnd()));
  EXPECT_EQ(ui::Window::Find("Owned"), nullptr);
}

const ui::ControlDef kOrphan[] = {ui::Row("孤儿", ui::Kind::Button).In("没有这个框").At(0, 0, 10, 10).Caption("x")};
const ui::FormDef kBroken = ui::FormDef("Broken", "坏", {0, 0, 100, 100}, kOrphan);
void CloseRightAway(ui::Window& w, ui::Event&) { DestroyWindow(w.Hwnd()); }
const ui::FormDef kClosing = ui::FormDef("Closing", "关", {0, 0, 100, 100}).OnCreated(CloseRightAway);

TEST(WindowLoad, AFormThatCannotBeBuiltGivesNoWindow) {
  ui::InitWindowLayer();
  EXPECT_EQ(ui::Window::Load(kBroken), nullptr);
  EXPECT_EQ(ui::Window::Find("Broken"), nullptr);
  EXPECT_EQ(FindWindowW(ui::Window::ClassName(), L"坏"), nullptr);
  // A created handler that closes its window leaves nothing behind either.
  EXPECT_EQ(ui::Window::Load(kClosing), nullptr);
  EXPECT_EQ(ui::Window::Find("Closing"), nullptr);
}

// A created handler that takes its messages until a 30 ms timer of its own
// has ticked: a 1 ms timer of the form would have ticked long before.
int g_ticks = 0;
int g_ticksDuringCreated = -1;
bool g_probeTicked = false;
void CountTick(ui::Window&, ui::Event&) { ++g_ticks; }
void CALLBACK ProbeTick(HWND, UINT, UINT_PTR, DWORD) { g_probeTicked = true; }
void WaitInCreated(ui::Window&, ui::Event&) {
  const UINT_PTR probe = SetTimer(nullptr, 0, 30, ProbeTick);
  testsupport::PumpUntil([] { return g_probeTicked; });
  KillTimer(nullptr, probe);
  g_ticksDuringCreated = g_probeTicked ? g_ticks : -1;
}
const ui::ControlDef kFastTimer[] = {ui::Row("快钟", ui::Kind::Timer).Interval(1).OnTick(CountTick)};
const ui::FormDef kWaitingForm = ui::FormDef("Waiting", "等", {0, 0, 100, 100}, kFastTimer).OnCreated(WaitInCreated);

TEST(WindowLoad, TimersTickOnlyAfterTheCreatedHandler) {
  ui::InitWindowLayer();
  testsupport::DropQuit();  // a quit left waiting would hold back every timer message
  ui::Window* w = ui::Window::Load(kWaitingForm);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(g_ticksDuringCreated, 0) << "-1: the handler's own timer never ticked";
  EXPECT_TRUE(testsupport::PumpFor("the form's timer to tick", [] { return g_ticks > 0; }));
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
}

TEST(RunOnWindowThread, RunsTheWorkThereAndWaitsForIt) {
  ui::InitWindowLayer();
  bool ranOnWindowThread = false;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    ui::RunOnWindowThread([&] { ranOnWindowThread = ui::OnWindowThread(); });
    done = true;
  });
  // The window thread serves the request while it waits for the worker.
  EXPECT_TRUE(testsupport::PumpFor("the worker's work on the window thread", [&] { return done.load(); }));
  worker.join();
  EXPECT_TRUE(ranOnWindowThread);
}

void CleanupSaysWhere() {
  std::fprintf(stderr, "cleanup on %s thread\n", ui::OnWindowThread() ? "window" : "other");
  std::fflush(stderr);
}

TEST(EndProgram, FromAWorkerRunsTheCleanupOnTheWindowThread) {
  EXPECT_EXIT(
      {
        ui::InitWindowLayer();
        ui::RegisterCleanup(CleanupSaysWhere);
        std::thread([] { ui::EndProgram(3); }).detach();
        ui::RunMessageLoop();
      },
      testing::ExitedWithCode(3), "cleanup on window thread");
}

void CleanupThrows() { throw std::runtime_error("the clean-up failed"); }

// The clean-ups run inside the layer window's procedure: one that throws is
// stopped there, and the rest run and the program ends with its code.
TEST(EndProgram, ACleanupThatThrowsStopsNeitherTheOthersNorTheEnd) {
  EXPECT_EXIT(
      {
        ui::InitWindowLayer();
        ui::RegisterCleanup(CleanupSaysWhere);
        ui::RegisterCleanup(CleanupThrows);  // runs first
        std::thread([] { ui::EndProgram(5); }).detach();
        ui::RunMessageLoop();
      },
      testing::ExitedWithCode(5), "cleanup on window thread");
}

TEST(EndProgram, EndProcessNowSkipsTheCleanup) {
  EXPECT_EXIT(
      {
        ui::InitWindowLayer();
        ui::RegisterCleanup(CleanupSaysWhere);
        std::fprintf(stderr, "ending\n");
        ui::EndProcessNow(4);
      },
      testing::ExitedWithCode(4), "^ending\n$");
}

}  // namespace

namespace {

std::vector<std::string> g_created;
void SeeControl(ui::Window& w, const ui::ControlDef& row, HWND control) {
  g_created.push_back(std::string(row.name) + (GetParent(control) ? " made" : " orphan") +
                      (w.ControlHwnd(row.name) ? " early" : ""));
}

TEST(ControlCreatedHook, RunsForEachControlAsItIsMade) {
  ui::InitWindowLayer();
  g_created.clear();
  ui::SetControlCreatedHook(SeeControl);
  ui::Window* w = ui::Window::Load(kOwned);
  ui::SetControlCreatedHook(nullptr);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(g_created, std::vector<std::string>{"选择 made early"});
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
}

// A browser box asked from another thread while the layer has no window to
// reach its own thread: the answer is no, not an endless recursion.
TEST(WebBrowserBox, NavigateWithoutTheLayerSaysNo) {
  EXPECT_EXIT(
      {
        std::atomic<HWND> other{nullptr};
        std::atomic<bool> done{false};
        std::thread owner([&] {
          other = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
          while (!done) Sleep(5);
        });
        while (!other) Sleep(5);
        const bool navigated = ui::WebBrowserBox(other.load()).Navigate("http://127.0.0.1/");
        done = true;
        owner.join();
        std::fprintf(stderr, "navigated: %d\n", navigated);
        std::exit(0);
      },
      testing::ExitedWithCode(0), "^navigated: 0\n$");
}

}  // namespace

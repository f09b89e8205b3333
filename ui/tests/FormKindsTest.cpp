// Every control kind on one form under Wine, driven with real messages: events
// reach their handlers with the right control and value, the keyboard moves
// through the form in its order, a modal form returns its result.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/App.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PictureBox.h"
#include "ui/RadioButton.h"
#include "ui/Slider.h"
#include "ui/Subclass.h"
#include "ui/Window.h"
#include "ui/base/tests/support/Pump.h"

namespace {

using testsupport::PumpFor;

std::vector<std::string> g_events;

const char* TypeName(ui::EventType t) {
  switch (t) {
    case ui::EventType::Click: return "click";
    case ui::EventType::Change: return "change";
    case ui::EventType::Focus: return "focus";
    case ui::EventType::RightClick: return "rclick";
    case ui::EventType::Draw: return "draw";
    case ui::EventType::MouseDown: return "down";
    case ui::EventType::MouseUp: return "up";
    case ui::EventType::MouseMove: return "move";
    default: return "other";
  }
}

// Records "name type arg value" and checks that the event names the control it came from.
void Record(ui::Window& w, ui::Event& e) {
  std::string line = std::string(e.row ? e.row->name : "?") + " " + TypeName(e.type) + " " + std::to_string(e.arg) +
                     " " + std::to_string(e.value);
  if (!e.row || w.ControlHwnd(e.row->name) != e.control) line += " WRONG CONTROL";
  g_events.push_back(line);
}

void PaintButton(ui::Window& w, ui::Event& e) {
  if (e.type == ui::EventType::Draw) {
    const auto* item = static_cast<const DRAWITEMSTRUCT*>(e.data);
    FillRect(item->hDC, &item->rcItem, (HBRUSH)GetStockObject(BLACK_BRUSH));
    e.handled = true;
  }
  Record(w, e);
}

const ui::ListItem kSites[] = {{"普通", 0}, {"加密", 10}, {"好友", 20}};
const ui::Column kColumns[] = {{"名称", 80}};

const ui::ControlDef kControls[] = {
    {"编辑", ui::Kind::EditBox, nullptr, {10, 10, 120, 22}, "", 0, Record},
    {"站点", ui::Kind::ComboBox, nullptr, {140, 10, 120, 22}, "", 0, Record, 0, nullptr, 0, nullptr, 0, kSites, 3},
    {"分组", ui::Kind::GroupBox, nullptr, {10, 40, 250, 60}, "画质"},
    {"超清", ui::Kind::RadioButton, "分组", {10, 20, 60, 20}, "超清", 0, Record},
    {"高清", ui::Kind::RadioButton, "分组", {80, 20, 60, 20}, "高清", 0, Record},
    {"流畅", ui::Kind::RadioButton, "分组", {150, 20, 60, 20}, "流畅", ui::Checked, Record},
    {"声道左", ui::Kind::RadioButton, nullptr, {10, 105, 60, 20}, "左", ui::Checked, Record},
    {"声道右", ui::Kind::RadioButton, nullptr, {80, 105, 60, 20}, "右", 0, Record},
    {"滑块", ui::Kind::Slider, nullptr, {10, 130, 200, 26}, "", 0, Record, 100},
    {"提示", ui::Kind::Label, nullptr, {10, 160, 150, 18}, "提示文字", 0, Record, 0, nullptr, 0, nullptr, 0,
     nullptr, 0, ui::Rgb(255, 0, 0)},
    {"画钮", ui::Kind::Button, nullptr, {170, 160, 60, 24}, "画", ui::OwnerDrawn, PaintButton},
    {"全选", ui::Kind::CheckBox, nullptr, {10, 190, 80, 20}, "全选", 0, Record},
    {"列表", ui::Kind::ListView, nullptr, {10, 215, 250, 60}, "", 0, Record, 0, nullptr, 0, kColumns, 1},
    {"图片", ui::Kind::PictureBox, nullptr, {270, 10, 32, 32}, "", 0, Record},
};
const ui::FormDef kForm = {"KindsForm", "各种控件", {60, 60, 320, 290}, kControls, ui::CountOf(kControls)};

class FormKindsTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::InitWindowLayer();
    g_events.clear();
    w_ = ui::Window::Load(kForm);
    ASSERT_NE(w_, nullptr);
    ui::PumpPendingMessages();
    g_events.clear();
  }
  void TearDown() override {
    if (ui::Window::Find("KindsForm")) DestroyWindow(w_->Hwnd());
    testsupport::DropQuit();
  }
  HWND C(const char* name) const { return w_->ControlHwnd(name); }
  // A left click at the middle of the control, as the mouse gives it.
  void ClickMouse(const char* name) const {
    RECT r;
    GetClientRect(C(name), &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    SendMessageW(C(name), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(C(name), WM_LBUTTONUP, 0, at);
  }
  // A key as the keyboard gives it: posted to the focused control and taken
  // through the message loop.
  void Key(WPARAM key) const {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000000);
    ui::PumpPendingMessages();
  }
  ui::Window* w_ = nullptr;
};

TEST_F(FormKindsTest, EveryControlHasTheIdOfItsRow) {
  for (int i = 0; i < ui::CountOf(kControls); ++i)
    EXPECT_EQ(GetDlgCtrlID(C(kControls[i].name)), ui::kFirstControlId + i) << kControls[i].name;
}

TEST_F(FormKindsTest, UserActionsReachTheirHandlersWithControlAndValue) {
  // Combo box: the user moves down one item; the event carries index and value.
  SetFocus(C("站点"));
  g_events.clear();
  Key(VK_DOWN);
  ASSERT_FALSE(g_events.empty());
  EXPECT_EQ(g_events.back(), "站点 change 1 10");
  // Radio button in the group box: a click checks it alone in its group, not the other group.
  ClickMouse("超清");
  EXPECT_EQ(g_events.back(), "超清 click 1 0");
  EXPECT_TRUE(w_->Get<ui::RadioButton>("超清").Checked());
  EXPECT_FALSE(w_->Get<ui::RadioButton>("流畅").Checked());
  EXPECT_TRUE(w_->Get<ui::RadioButton>("声道左").Checked());
  // Check box, label, owner-drawn button.
  ClickMouse("全选");
  EXPECT_EQ(g_events.back(), "全选 click 1 0");
  ClickMouse("提示");
  EXPECT_EQ(g_events.back(), "提示 click 0 0");
  ClickMouse("画钮");
  EXPECT_EQ(g_events.back(), "画钮 click 0 0");
  // Picture box: mouse down, move and up with their client coordinates.
  SendMessageW(C("图片"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
  SendMessageW(C("图片"), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 40));
  SendMessageW(C("图片"), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  std::vector<std::string> mouse(g_events.end() - 3, g_events.end());
  EXPECT_EQ(mouse, (std::vector<std::string>{"图片 down 3 4", "图片 move -20 40", "图片 up 5 6"}));
  // List view: a right click on its first row.
  ui::ListView list = w_->Get<ui::ListView>("列表");
  list.AddRow({"甲"});
  RECT row = {LVIR_BOUNDS};
  SendMessageW(C("列表"), LVM_GETITEMRECT, 0, (LPARAM)&row);
  const LPARAM at = MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2);
  PostMessageW(C("列表"), WM_RBUTTONUP, 0, at);
  SendMessageW(C("列表"), WM_RBUTTONDOWN, MK_RBUTTON, at);
  EXPECT_TRUE(PumpFor("the list's right click",
                      [] { return std::find(g_events.begin(), g_events.end(), "列表 rclick 0 0") != g_events.end(); }));
  // Edit box: getting the focus.
  SetFocus(C("编辑"));
  EXPECT_EQ(g_events.back(), "编辑 focus 0 0");
}

TEST_F(FormKindsTest, SliderReportsTheUserNotTheCode) {
  ui::Slider slider = w_->Get<ui::Slider>("滑块");
  EXPECT_EQ(slider.Max(), 100);
  slider.SetPos(40);
  ui::ComboBox combo = w_->Get<ui::ComboBox>("站点");
  combo.Select(2);
  EXPECT_EQ(slider.Pos(), 40);
  EXPECT_EQ(combo.ItemValue(combo.Selected()), 20);
  EXPECT_TRUE(g_events.empty()) << g_events.front();
  SetFocus(C("滑块"));
  Key(VK_RIGHT);
  ASSERT_FALSE(g_events.empty());
  EXPECT_EQ(g_events.back(), "滑块 change 41 0");
}

TEST_F(FormKindsTest, OwnerDrawnButtonIsPaintedByItsHandlerAndLabelHasItsColour) {
  InvalidateRect(C("画钮"), nullptr, TRUE);
  UpdateWindow(C("画钮"));
  ASSERT_FALSE(g_events.empty());
  EXPECT_EQ(g_events.back(), "画钮 draw 0 0");
  HDC dc = GetDC(C("画钮"));
  EXPECT_EQ(GetPixel(dc, 30, 12), RGB(0, 0, 0));
  ReleaseDC(C("画钮"), dc);
  EXPECT_EQ(w_->Get<ui::Label>("提示").TextColour(), ui::Rgb(255, 0, 0));
  HDC labelDc = GetDC(C("提示"));
  SendMessageW(w_->Hwnd(), WM_CTLCOLORSTATIC, (WPARAM)labelDc, (LPARAM)C("提示"));
  EXPECT_EQ(GetTextColor(labelDc), RGB(255, 0, 0));
  EXPECT_EQ(GetBkMode(labelDc), TRANSPARENT);
  ReleaseDC(C("提示"), labelDc);
}

TEST_F(FormKindsTest, TabAndArrowsFollowTheForm) {
  SetForegroundWindow(w_->Hwnd());
  SetFocus(C("编辑"));
  // Tab stops in form order: a radio group is one stop (its checked button).
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    Key(VK_TAB);
    const ui::ControlDef* row = w_->RowOf(GetFocus());
    order.push_back(row ? row->name : "?");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"站点", "流畅", "声道左", "滑块", "画钮", "全选", "列表"}));
  // Shift+Tab goes back.
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Key(VK_TAB);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), C("全选"));
  // The arrow keys move within a radio group.
  SetFocus(C("超清"));
  Key(VK_RIGHT);
  EXPECT_EQ(GetFocus(), C("高清"));
}

WNDPROC g_previous = nullptr;
LRESULT CALLBACK PassOn(HWND h, UINT m, WPARAM wp, LPARAM lp) { return ui::CallPreviousProc(g_previous, h, m, wp, lp); }

TEST_F(FormKindsTest, SubclassedControlKeepsItsChineseText) {
  WNDPROC& previous = g_previous;
  previous = ui::SubclassWindow(C("编辑"), PassOn);
  ASSERT_NE(previous, nullptr);
  w_->Get<ui::Control>("编辑").SetText("视频解析：优酷");
  EXPECT_TRUE(IsWindowUnicode(C("编辑")));
  EXPECT_EQ(w_->Get<ui::Control>("编辑").Text(), "视频解析：优酷");
  ui::RestoreWindowProc(C("编辑"), previous);
}

TEST_F(FormKindsTest, AnUnknownTimerIsEmpty) {
  ui::Timer none = w_->GetTimer("没有这个钟");
  EXPECT_FALSE(none);
  none.SetInterval(10);
  none.SetEnabled(true);
  EXPECT_EQ(none.Interval(), 0);
  EXPECT_FALSE(none.Enabled());
}

// ---- modal forms and window styles ----

HWND g_owner = nullptr;
bool g_ownerEnabledInModal = true;
void OnOk(ui::Window& w, ui::Event&) {
  g_ownerEnabledInModal = IsWindowEnabled(g_owner) != FALSE;
  w.EndModal(7);
}
void PressOkSoon(ui::Window& w, ui::Event&) { PostMessageW(w.ControlHwnd("确定"), BM_CLICK, 0, 0); }
const ui::ControlDef kOk[] = {{"确定", ui::Kind::Button, nullptr, {10, 10, 60, 24}, "确定", 0, OnOk}};
const ui::FormDef kQuestion = {"Question", "问题", {100, 100, 200, 80}, kOk, 1, nullptr, 0, 0, PressOkSoon};

TEST_F(FormKindsTest, AModalFormReturnsItsResultWithItsOwnerDisabled) {
  g_owner = w_->Hwnd();
  EXPECT_EQ(ui::Window::LoadModal(kQuestion, w_), 7);
  EXPECT_FALSE(g_ownerEnabledInModal);
  EXPECT_TRUE(IsWindowEnabled(w_->Hwnd()));
  EXPECT_EQ(ui::Window::Find("Question"), nullptr);
}

const ui::FormDef kPopup = {"Popup", "弹出", {0, 0, 100, 50}, kOk, 1, nullptr, 0, 0, nullptr, nullptr, nullptr,
                            nullptr, ui::Popup | ui::Topmost};
const ui::FormDef kFull = {"Full", "全屏", {30, 30, 200, 100}, kOk, 1, nullptr, 0, 0, nullptr, nullptr, nullptr,
                           nullptr, ui::MinimizeBox | ui::MaximizeBox};

TEST(FormStyle, PopupTopmostBoxesFixedBorderAndFullScreen) {
  ui::InitWindowLayer();
  ui::Window* popup = ui::Window::Load(kPopup);
  ASSERT_NE(popup, nullptr);
  const LONG popupStyle = GetWindowLongW(popup->Hwnd(), GWL_STYLE);
  EXPECT_TRUE(popupStyle & WS_POPUP);
  EXPECT_FALSE(popupStyle & WS_CAPTION);
  EXPECT_TRUE(popup->Topmost());
  ui::Window* full = ui::Window::Load(kFull);
  ASSERT_NE(full, nullptr);
  const LONG style = GetWindowLongW(full->Hwnd(), GWL_STYLE);
  EXPECT_TRUE((style & WS_MAXIMIZEBOX) && (style & WS_MINIMIZEBOX));
  EXPECT_FALSE(style & WS_THICKFRAME);
  const ui::Rect before = full->Bounds();
  full->SetFullScreen(true);
  const ui::Rect screen = full->Bounds();
  EXPECT_EQ(screen.w, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screen.h, GetSystemMetrics(SM_CYSCREEN));
  full->SetFullScreen(false);
  const ui::Rect after = full->Bounds();
  EXPECT_EQ(std::vector<int>({after.x, after.y, after.w, after.h}), std::vector<int>({before.x, before.y, before.w, before.h}));
  DestroyWindow(popup->Hwnd());
  DestroyWindow(full->Hwnd());
  testsupport::DropQuit();
}

}  // namespace

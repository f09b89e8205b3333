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

// What the event carries as two numbers: the item, position, x or state,
// and the choice's value or y.
std::string PayloadText(const ui::Payload& payload) {
  struct Text {
    std::string operator()(std::monostate) const { return "0 0"; }
    std::string operator()(ui::ItemIndex i) const { return std::to_string(i.index) + " 0"; }
    std::string operator()(ui::Position p) const { return std::to_string(p.value) + " 0"; }
    std::string operator()(ui::Point p) const { return std::to_string(p.x) + " " + std::to_string(p.y); }
    std::string operator()(ui::Choice c) const { return std::to_string(c.index) + " " + std::to_string(c.value); }
    std::string operator()(ui::CheckState c) const { return c.checked ? "1 0" : "0 0"; }
    std::string operator()(ui::TrayEvent t) const { return std::to_string(t) + " 0"; }
    std::string operator()(ui::Drawing) const { return "0 0"; }
  };
  return std::visit(Text{}, payload);
}

// Records "name type payload" for the handler slot `Slot`, and checks that
// the event names the control it came from and is the slot's own.
template <ui::EventType Slot>
void Record(ui::Window& w, ui::Event& e) {
  std::string line = std::string(e.row ? e.row->name : "?") + " " + TypeName(e.type) + " " + PayloadText(e.payload);
  if (!e.row || w.ControlHwnd(e.row->name) != e.control) line += " WRONG CONTROL";
  if (e.type != Slot) line += std::string(" IN THE SLOT OF ") + TypeName(Slot);
  g_events.push_back(line);
}
constexpr auto Click = Record<ui::EventType::Click>;
constexpr auto Change = Record<ui::EventType::Change>;

void PaintButton(ui::Window& w, ui::Event& e) {
  const DRAWITEMSTRUCT& item = e.ToDraw();
  FillRect(item.hDC, &item.rcItem, (HBRUSH)GetStockObject(BLACK_BRUSH));
  e.handled = true;
  Record<ui::EventType::Draw>(w, e);
}

const ui::ListItem kSites[] = {{"普通", 0}, {"加密", 10}, {"好友", 20}};
const ui::Column kColumns[] = {{"名称", 80}};

using ui::Row;
namespace Kind = ui::Kind;
const ui::ControlDef kControls[] = {
    Row("编辑", Kind::EditBox).At(10, 10, 120, 22).OnFocus(Record<ui::EventType::Focus>),
    Row("站点", Kind::ComboBox).At(140, 10, 120, 22).List(kSites).OnChange(Change),
    Row("分组", Kind::GroupBox).At(10, 40, 250, 60).Caption("画质"),
    Row("超清", Kind::RadioButton).In("分组").At(10, 20, 60, 20).Caption("超清").OnClick(Click),
    Row("高清", Kind::RadioButton).In("分组").At(80, 20, 60, 20).Caption("高清").OnClick(Click),
    Row("流畅", Kind::RadioButton).In("分组").At(150, 20, 60, 20).Caption("流畅").Flags(ui::Checked).OnClick(Click),
    Row("声道左", Kind::RadioButton).At(10, 105, 60, 20).Caption("左").Flags(ui::Checked).OnClick(Click),
    Row("声道右", Kind::RadioButton).At(80, 105, 60, 20).Caption("右").OnClick(Click),
    Row("滑块", Kind::Slider).At(10, 130, 200, 26).Max(100).OnChange(Change),
    Row("提示", Kind::Label).At(10, 160, 150, 18).Caption("提示文字").Colour(ui::Rgb(255, 0, 0)).OnClick(Click),
    Row("画钮", Kind::Button)
        .At(170, 160, 60, 24)
        .Caption("画")
        .Flags(ui::OwnerDrawn)
        .OnClick(Click)
        .OnDraw(PaintButton),
    Row("全选", Kind::CheckBox).At(10, 190, 80, 20).Caption("全选").OnClick(Click),
    // Right clicks only: a left click on a row runs nothing.
    Row("列表", Kind::ListView).At(10, 215, 250, 60).Columns(kColumns).OnRightClick(Record<ui::EventType::RightClick>),
    Row("图片", Kind::PictureBox)
        .At(270, 10, 32, 32)
        .OnMouseDown(Record<ui::EventType::MouseDown>)
        .OnMouseMove(Record<ui::EventType::MouseMove>)
        .OnMouseUp(Record<ui::EventType::MouseUp>),
};
const ui::FormDef kForm = ui::FormDef("KindsForm", "各种控件", {60, 60, 320, 290}, kControls);

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
  // List view: a left click on its first row reaches no handler (the row
  // binds right clicks only), a right click does.
  ui::ListView list = w_->Get<ui::ListView>("列表");
  list.AddRow({"甲"});
  RECT row = {LVIR_BOUNDS};
  SendMessageW(C("列表"), LVM_GETITEMRECT, 0, (LPARAM)&row);
  const LPARAM at = MAKELPARAM(row.left + 10, (row.top + row.bottom) / 2);
  const auto ofTheList = [] {
    return std::count_if(g_events.begin(), g_events.end(),
                         [](const std::string& e) { return e.rfind("列表", 0) == 0; });
  };
  PostMessageW(C("列表"), WM_LBUTTONUP, 0, at);
  SendMessageW(C("列表"), WM_LBUTTONDOWN, MK_LBUTTON, at);
  testsupport::Pump(30);  // a left click reaches no handler
  EXPECT_EQ(list.SelectedRow(), 0) << "the left click did not reach the list";
  EXPECT_EQ(ofTheList(), 0) << g_events.back();
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

// Every kind fits Control, a check box and a radio button fit Button, a
// radio button fits CheckBox; any other wrapper is refused before it can
// send its messages to a control of another kind.
TEST_F(FormKindsTest, GetGivesOnlyTheWrappersThatFitTheKind) {
  for (const ui::ControlDef& row : kControls) EXPECT_EQ(w_->Get<ui::Control>(row.name).Hwnd(), C(row.name)) << row.name;
  EXPECT_EQ(w_->Get<ui::Button>("全选").Hwnd(), C("全选"));
  EXPECT_EQ(w_->Get<ui::Button>("超清").Hwnd(), C("超清"));
  EXPECT_EQ(w_->Get<ui::CheckBox>("超清").Hwnd(), C("超清"));
  EXPECT_THROW(w_->Get<ui::RadioButton>("全选"), ui::WrongKind);
  EXPECT_THROW(w_->Get<ui::CheckBox>("画钮"), ui::WrongKind);
  EXPECT_THROW(w_->Get<ui::Label>("图片"), ui::WrongKind);
  try {
    w_->Get<ui::ComboBox>("滑块");
    ADD_FAILURE() << "a slider was given as a combo box";
  } catch (const ui::WrongKind& e) {
    EXPECT_STREQ(e.what(), "KindsForm: 滑块 is a Slider, which the wrapper asked for does not fit");
  }
  // A name the form does not have gives an empty wrapper, as before.
  EXPECT_EQ(w_->Get<ui::Slider>("没有").Hwnd(), nullptr);
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
  DestroyWindow(w.Hwnd());
}
void PressOkSoon(ui::Window& w, ui::Event&) { PostMessageW(w.ControlHwnd("确定"), BM_CLICK, 0, 0); }
const ui::ControlDef kOk[] = {Row("确定", Kind::Button).At(10, 10, 60, 24).Caption("确定").OnClick(OnOk)};
const ui::FormDef kQuestion = ui::FormDef("Question", "问题", {100, 100, 200, 80}, kOk).OnCreated(PressOkSoon);

TEST_F(FormKindsTest, AModalFormReturnsWhenClosedWithItsOwnerDisabledMeanwhile) {
  g_owner = w_->Hwnd();
  EXPECT_TRUE(ui::Window::LoadModal(kQuestion, w_));
  EXPECT_FALSE(g_ownerEnabledInModal);
  EXPECT_TRUE(IsWindowEnabled(w_->Hwnd()));
  EXPECT_EQ(ui::Window::Find("Question"), nullptr);
}

const ui::FormDef kPopup = ui::FormDef("Popup", "弹出", {0, 0, 100, 50}, kOk).Style(ui::Popup | ui::Topmost);
const ui::FormDef kFull = ui::FormDef("Full", "全屏", {30, 30, 200, 100}, kOk).Style(ui::MinimizeBox | ui::MaximizeBox);

TEST(FormStyle, PopupTopmostBoxesAndFixedBorder) {
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
  DestroyWindow(popup->Hwnd());
  DestroyWindow(full->Hwnd());
  testsupport::DropQuit();
}

// ---- rows used against their kinds ----

int g_afterWrongGet = 0;
void AskForTheWrongWrapper(ui::Window& w, ui::Event&) {
  w.Get<ui::ListView>("钮");
  ++g_afterWrongGet;
}
const ui::ControlDef kAsking[] = {
    Row("钮", Kind::Button).At(10, 10, 60, 24).Caption("钮").OnClick(AskForTheWrongWrapper)};
const ui::FormDef kAskingForm = ui::FormDef("Asking", "问错", {40, 40, 200, 80}, kAsking);

// A handler that asks for a wrapper its control does not fit stops there;
// the form's procedure lets nothing out and the window goes on.
TEST(WrongKind, AHandlerStopsAtTheWrongWrapperAndTheFormGoesOn) {
  ui::InitWindowLayer();
  ui::Window* w = ui::Window::Load(kAskingForm);
  ASSERT_NE(w, nullptr);
  g_afterWrongGet = 0;
  for (int i = 0; i < 2; ++i) w->Get<ui::Button>("钮").Click();
  EXPECT_EQ(g_afterWrongGet, 0);
  EXPECT_TRUE(IsWindow(w->Hwnd()));
  EXPECT_EQ(ui::Window::Find("Asking"), w);
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
}

void Nothing(ui::Window&, ui::Event&) {}
// A button never reports a change, a label never a tick.
const ui::ControlDef kMisbound[] = {
    Row("好钮", Kind::Button).At(10, 10, 60, 24).OnClick(Nothing),
    Row("坏钮", Kind::Button).At(10, 40, 60, 24).OnClick(Nothing).OnChange(Nothing),
};
const ui::ControlDef kTickingLabel[] = {Row("标签", Kind::Label).At(10, 10, 60, 24).OnTick(Nothing)};
// A button has no interval, a timer no place, a label no Checked flag.
const ui::ControlDef kButtonWithInterval[] = {Row("钮", Kind::Button).At(10, 10, 60, 24).Interval(50)};
const ui::ControlDef kPlacedTimer[] = {Row("钟", Kind::Timer).At(0, 0, 1, 1).Interval(50)};
const ui::ControlDef kCheckedLabel[] = {Row("标签", Kind::Label).At(10, 10, 60, 24).Flags(ui::Checked)};
const ui::FormDef kMisboundForm = ui::FormDef("Misbound", "错位", {40, 40, 200, 80}, kMisbound);
const ui::FormDef kTickingForm = ui::FormDef("Ticking", "错位", {40, 40, 200, 80}, kTickingLabel);
const ui::FormDef kClickedForm = ui::FormDef("Clicked", "错位", {40, 40, 200, 80}).OnClick(Nothing);

// A row with a handler in a slot its kind never reports is refused before
// any window of the form is made, also as a modal form, whose owner then
// stays enabled.
TEST(WrongKind, AHandlerSlotTheKindNeverReportsRefusesTheForm) {
  ui::InitWindowLayer();
  try {
    ui::Window::Load(kMisboundForm);
    ADD_FAILURE() << "the form was loaded";
  } catch (const ui::WrongKind& e) {
    EXPECT_STREQ(e.what(), "Misbound: 坏钮 is a Button, which does not report the event of a handler its row gives");
  }
  EXPECT_THROW(ui::Window::Load(kClickedForm), ui::WrongKind);  // a form reports no clicks of its own
  EXPECT_EQ(FindWindowW(ui::Window::ClassName(), L"错位"), nullptr);
  ui::Window* owner = ui::Window::Load(kAskingForm);
  ASSERT_NE(owner, nullptr);
  EXPECT_THROW(ui::Window::LoadModal(kTickingForm, owner), ui::WrongKind);
  EXPECT_TRUE(IsWindowEnabled(owner->Hwnd()));
  EXPECT_EQ(ui::Window::Find("Ticking"), nullptr);
  DestroyWindow(owner->Hwnd());
  testsupport::DropQuit();
}

TEST(WrongKind, APropertyOrFlagTheKindDoesNotHaveRefusesTheForm) {
  ui::InitWindowLayer();
  try {
    ui::Window::Load(ui::FormDef("Interval", "错位", {40, 40, 200, 80}, kButtonWithInterval));
    ADD_FAILURE() << "the form was loaded";
  } catch (const ui::WrongKind& e) {
    EXPECT_STREQ(e.what(), "Interval: 钮 is a Button, which has no such property as one its row sets");
  }
  EXPECT_THROW(ui::Window::Load(ui::FormDef("Placed", "错位", {40, 40, 200, 80}, kPlacedTimer)), ui::WrongKind);
  EXPECT_THROW(ui::Window::Load(ui::FormDef("Flagged", "错位", {40, 40, 200, 80}, kCheckedLabel)), ui::WrongKind);
  EXPECT_EQ(FindWindowW(ui::Window::ClassName(), L"错位"), nullptr);
}

// A handler that reads what its event does not carry stops at that read:
// the window answers the message as if it had no handler and goes on.
int g_readWrongPayload = 0;
void ReadsAPositionFromAClick(ui::Window&, ui::Event& e) {
  ++g_readWrongPayload;
  (void)e.NewPosition();
  g_readWrongPayload += 100;
}
const ui::ControlDef kPayloadReader[] = {Row("钮", Kind::Button).At(10, 10, 60, 24).OnClick(ReadsAPositionFromAClick)};

TEST(WrongKind, ReadingAPayloadTheEventDoesNotCarryStopsTheHandler) {
  ui::InitWindowLayer();
  ui::Window* w = ui::Window::Load(ui::FormDef("Payload", "载荷", {40, 40, 200, 80}, kPayloadReader));
  ASSERT_NE(w, nullptr);
  w->Get<ui::Button>("钮").Click();
  EXPECT_EQ(g_readWrongPayload, 1);
  EXPECT_TRUE(IsWindow(w->Hwnd()));
  ui::Event tick{ui::EventType::Tick};
  EXPECT_THROW(tick.Item(), ui::WrongKind);
  tick.payload = ui::ItemIndex{3};
  EXPECT_EQ(tick.Item(), 3);
  DestroyWindow(w->Hwnd());
  testsupport::DropQuit();
}

}  // namespace

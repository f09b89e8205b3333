// The player window against a test double of the movie: status texts and
// colours, time and seek slider, volume menu, mute, full screen, always on
// top, dragging, the menu at the cursor, the open-file button and the refused
// short address.
#include "player/PlayerWindow.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <map>
#include <thread>

#include "player/MovieProtocol.h"
#include "player/PlayerGlobals.h"
#include "player/tests/support/FakeAtlHost.h"
#include "player/tests/support/FakeDispatch.h"
#include "ui/Label.h"
#include "ui/Slider.h"
#include "ui/Subclass.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogDriver.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/tests/support/TempFolder.h"

namespace {

using playertest::FakeCall;
using playertest::FakeDispatch;
using testsupport::PumpFor;

int g_dragStarts = 0;

// Counts the drags the window is asked to start, without starting them.
LRESULT CALLBACK NoDragProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
const ui::Subclass kNoDrag{L"TavrinTestNoDrag", NoDragProc};
LRESULT CALLBACK NoDragProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCLBUTTONDOWN && wp == HTCAPTION && lp == 0) {
    ++g_dragStarts;
    return 0;
  }
  return kNoDrag.CallPrevious(hwnd, msg, wp, lp);
}

int g_setTexts = 0;

LRESULT CALLBACK CountSetTextProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
const ui::Subclass kCountSetText{L"TavrinTestCountSetText", CountSetTextProc};
LRESULT CALLBACK CountSetTextProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETTEXT) ++g_setTexts;
  return kCountSetText.CallPrevious(hwnd, msg, wp, lp);
}

class PlayerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    player::InitPlayerGlobals();
    player::CreateHookTable();
    player::PlayTitle = "影片";
    player::PlayUrl = "http://h/a.flv";
    fake = FakeDispatch::Create({{L"setVariable", DISPATCH_METHOD, 2},
                                 {L"CallFunction", DISPATCH_METHOD, 1},
                                 {L"Movie", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0},
                                 {L"AllowFullScreen", DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT, 0}});
    fake->answer = [this](const FakeCall& call, VARIANT* result) {
      if (call.member != "CallFunction") return S_OK;
      auto it = replies.find(call.args.at(0));
      playertest::SetTextResult(result, it == replies.end() ? "<undefined/>" : "<string>" + it->second + "</string>");
      return S_OK;
    };
    playertest::SetHostedControl(fake);
  }
  void TearDown() override {
    if (w) DestroyWindow(w->Hwnd());
    player::FreeHookTable();
    player::FreePlayerGlobals();
    playertest::SetHostedControl(nullptr);
    fake->Release();
  }

  void Load() {
    w = ui::Window::Load(player::PlayerWindowForm);
    ASSERT_NE(w, nullptr);
    hwnd = w->Hwnd();
  }
  void Answer(const char* function, const std::string& value) { replies[player::InvokeRequest(function)] = value; }
  // The values written to one variable of the movie, in order.
  std::vector<std::string> Written(const std::string& variable) const {
    std::vector<std::string> values;
    for (const FakeCall& call : fake->CallsTo("setVariable"))
      if (call.args.at(0) == variable) values.push_back(call.args.at(1));
    return values;
  }
  // Chooses a menu item by caption, as the menu does.
  void Choose(const char* caption) {
    auto find = [&](auto& self, const ui::MenuDef& menu) -> const ui::MenuItemDef* {
      for (int i = 0; i < menu.itemCount; ++i) {
        if (std::strcmp(menu.items[i].caption, caption) == 0) return &menu.items[i];
        if (menu.items[i].subMenu)
          if (const ui::MenuItemDef* found = self(self, *menu.items[i].subMenu)) return found;
      }
      return nullptr;
    };
    const ui::MenuItemDef* item = find(find, player::PlayerWindowForm.menus[0]);
    ASSERT_NE(item, nullptr) << caption;
    ui::Event e{ui::EventType::Click};
    item->onClick(*w, e);
  }
  HWND Control(const char* name) const { return w->ControlHwnd(name); }
  RECT ScreenRect(HWND window) const {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
  HWND Movie() const { return player::Player->Control().HostWindow(); }
  bool Framed() const { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }
  std::string StatusText() const { return ui::Control(Control("状态标签")).Text(); }

  FakeDispatch* fake = nullptr;
  std::map<std::string, std::string> replies;
  ui::Window* w = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(PlayerWindowTest, LoadsTheMovieUnderTheLabelAboveTheControlBar) {
  Load();
  EXPECT_EQ(w->Caption(), "正在播放 影片");
  const RECT outer = ScreenRect(hwnd);
  EXPECT_EQ(outer.right - outer.left, 500);
  EXPECT_EQ(outer.bottom - outer.top, 385);
  EXPECT_EQ(Written("flvurl"), std::vector<std::string>{"http://h/a.flv"});
  EXPECT_EQ(Written("playvolume"), std::vector<std::string>{"100"});
  EXPECT_EQ(w->Get<ui::Slider>("音量滑块条").Pos(), 100);
  // The movie fills the client area above the 64-pixel control bar; the label lies on it.
  RECT client;
  GetClientRect(hwnd, &client);
  RECT movie;
  GetClientRect(Movie(), &movie);
  EXPECT_EQ(movie.right, client.right);
  EXPECT_EQ(movie.bottom, client.bottom - 64);
  EXPECT_EQ(ChildWindowFromPointEx(hwnd, {20, 20}, CWP_SKIPINVISIBLE), Control("透明标签"));
  EXPECT_EQ(ScreenRect(Control("透明标签")).right, ScreenRect(Movie()).right);
  // The open button lies below the window's bottom edge.
  EXPECT_GT(ScreenRect(Control("打开文件")).top, outer.bottom);
}

TEST_F(PlayerWindowTest, StatusTextAndColourForEveryStateWrittenOnlyOnChange) {
  Load();
  struct Row {
    const char* code;
    const char* stream;
    std::string text;
    int colour;
  };
  const Row rows[] = {
      {"1", "NetStream.Buffer.Full", "正在播放 影片", 0},
      {"1", "NetStream.Buffer.Empty", "缓冲 影片", 0},
      {"1", "NetStream.Play.Start", "正在加载... 影片", 0},
      {"2", "", "暂停播放 影片", 0},
      {"3", "", "缓冲 影片", 0},
      {"4", "", "出现未知错误，请退出后重试！", 255},
      {"0", "", "停止播放 影片", 0},
  };
  const auto label = w->Get<ui::Label>("状态标签");
  for (const Row& row : rows) {
    Answer("qbfzt", row.code);
    Answer("flvbfzt", row.stream);
    EXPECT_TRUE(PumpFor("the state's text", [&] { return StatusText() == row.text; })) << row.code << " " << row.stream;
    EXPECT_EQ(label.TextColour(), row.colour) << row.code;
  }
  // A state that stays leaves the label alone between ticks.
  g_setTexts = 0;
  ASSERT_TRUE(ui::AttachSubclass<kCountSetText>(label.Hwnd()));
  testsupport::Pump(100);  // a few ticks, none of them writing
  EXPECT_EQ(g_setTexts, 0);
}

TEST_F(PlayerWindowTest, ClockSetsTimeAndSliderWithoutSeekingUserMovesSeek) {
  Load();
  Answer("qbfzsj", "10:00");
  Answer("qbfsj", "03:25");
  Answer("qbfsjwb", "03:25/10:00");
  const auto seek = w->Get<ui::Slider>("快进滑块条");
  ASSERT_TRUE(PumpFor("the clock's slider position", [&] { return seek.Pos() == 205; }));
  EXPECT_EQ(seek.Max(), 600);
  EXPECT_EQ(ui::Control(Control("时间标签")).Text(), "03:25/10:00");
  EXPECT_TRUE(Written("playkj").empty());
  // The user moves the slider one step with the keyboard.
  SendMessageW(seek.Hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(Written("playkj"), std::vector<std::string>{"206"});
}

TEST_F(PlayerWindowTest, VolumeMenuCountsInTensUnboundedAndMuteRestoresTheMenuVolume) {
  Load();
  // The slider sets the volume but not the menu's volume.
  const auto volume = w->Get<ui::Slider>("音量滑块条");
  SendMessageW(volume.Hwnd(), WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Written("playvolume").back(), "0");
  Choose("静音");
  EXPECT_TRUE(w->MenuItemChecked("音量控制", "静音"));
  EXPECT_EQ(Written("playvolume").back(), "0");
  Choose("静音");
  EXPECT_FALSE(w->MenuItemChecked("音量控制", "静音"));
  EXPECT_EQ(Written("playvolume").back(), "100");
  // Muted, the volume items still apply their volume (the mark stays).
  Choose("静音");
  for (int i = 0; i < 11; ++i) Choose("增大");
  EXPECT_EQ(Written("playvolume").back(), "210");
  EXPECT_TRUE(w->MenuItemChecked("音量控制", "静音"));
  for (int i = 0; i < 22; ++i) Choose("减小");
  EXPECT_EQ(Written("playvolume").back(), "-10");
}

TEST_F(PlayerWindowTest, FullScreenAndBackToTheSavedRectangleWithTopmostRules) {
  Load();
  MoveWindow(hwnd, 120, 90, 500, 385, TRUE);
  const RECT windowed = ScreenRect(hwnd);
  const HWND label = Control("透明标签");
  SendMessageW(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(player::IsFullScreen, 1);
  EXPECT_FALSE(Framed());
  EXPECT_TRUE(w->Topmost());
  EXPECT_FALSE(IsWindowVisible(Control("分组框1")));
  EXPECT_FALSE(IsWindowVisible(Control("打开文件")));
  RECT movie;
  GetClientRect(Movie(), &movie);
  EXPECT_EQ(movie.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(movie.bottom, GetSystemMetrics(SM_CYSCREEN));
  // Topmost cannot be switched off in full screen; the item gets its mark.
  Choose("总在最前");
  EXPECT_TRUE(w->Topmost());
  EXPECT_TRUE(w->MenuItemChecked("控制菜单", "总在最前"));

  SendMessageW(label, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(player::IsFullScreen, 0);
  const RECT back = ScreenRect(hwnd);
  EXPECT_EQ(back.left, windowed.left);
  EXPECT_EQ(back.top, windowed.top);
  EXPECT_EQ(back.right, windowed.right);
  EXPECT_EQ(back.bottom, windowed.bottom);
  EXPECT_TRUE(Framed());
  EXPECT_FALSE(w->Topmost());  // even though 总在最前 was chosen
  EXPECT_TRUE(w->MenuItemChecked("控制菜单", "总在最前"));
  EXPECT_TRUE(IsWindowVisible(Control("分组框1")));
  EXPECT_EQ(player::SavedWindowRect.x, windowed.left);

  // In the window the item switches topmost on and off; the menu's full screen toggles.
  Choose("总在最前");
  EXPECT_TRUE(w->Topmost());
  Choose("总在最前");
  EXPECT_FALSE(w->Topmost());
  EXPECT_FALSE(w->MenuItemChecked("控制菜单", "总在最前"));
  Choose("全屏模式  Ctrl+Enter");
  EXPECT_EQ(player::IsFullScreen, 1);
  Choose("窗口模式  Esc");
  EXPECT_EQ(player::IsFullScreen, 0);
  EXPECT_EQ(ScreenRect(hwnd).left, windowed.left);
}

TEST_F(PlayerWindowTest, MovieAreaDragsTheWindowOnlyOutsideFullScreen) {
  Load();
  g_dragStarts = 0;
  ASSERT_TRUE(ui::AttachSubclass<kNoDrag>(hwnd));
  const HWND label = Control("透明标签");
  SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(g_dragStarts, 1);
  Choose("全屏模式  Ctrl+Enter");
  SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(g_dragStarts, 1);
}

TEST_F(PlayerWindowTest, RightClickPopsTheMenuBelowRightOfTheCursor) {
  Load();
  POINT cursor = {};
  RECT menuRect = {};
  testsupport::WindowDriver chooser(L"#32768", "the menu's items", testsupport::MenuReady, [&](HWND menu) {
    GetCursorPos(&cursor);
    GetWindowRect(menu, &menuRect);
    // Down three times skips the separator's neighbours to 总在最前; Enter picks it.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);
  });
  SendMessageW(Control("按钮2"), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
  ASSERT_TRUE(chooser.Acted());
  EXPECT_EQ(menuRect.left, cursor.x + 3);
  EXPECT_EQ(menuRect.top, cursor.y + 3);
  EXPECT_TRUE(w->Topmost());
  EXPECT_TRUE(w->MenuItemChecked("控制菜单", "总在最前"));
}

// Chooses `file` (a full path) in the open-file dialog that 打开文件 shows, or
// cancels it when `file` is empty; returns the dialog's caption and type filter.
std::wstring OpenThroughTheButton(HWND window, HWND button, const std::wstring& file) {
  std::wstring seen;
  testsupport::DialogDriver driver("the type box's items", testsupport::OpenFileDialogReady, [&](HWND dialog) {
    wchar_t text[256] = {};
    GetWindowTextW(dialog, text, 256);
    SendDlgItemMessageW(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text + wcslen(text)));
    seen = text;
    if (GetWindow(dialog, GW_OWNER) != window) seen += L" (not owned by the player)";
    if (file.empty()) return testsupport::PressDialogButton(dialog, IDCANCEL);
    HWND name = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
    testsupport::PressDialogButton(dialog, IDOK);
  });
  SendMessageW(button, BM_CLICK, 0, 0);
  return driver.Acted() ? seen : L"no dialog";
}

TEST_F(PlayerWindowTest, OpenFileRestartsOnlyForAnotherFileName) {
  const std::wstring file = testsupport::TempFolder() + L"本地影片.flv";
  CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::string gbkFile = ui::ToGbk(file);
  Load();
  const HWND button = Control("打开文件");

  // The movie plays that very file: choosing it again does not restart it.
  Answer(player::kUrlQuery, gbkFile);
  EXPECT_EQ(OpenThroughTheButton(hwnd, button, file), L"打开可播放文件*.mp4;*.flv");
  EXPECT_EQ(Written("flvurl"), std::vector<std::string>{"http://h/a.flv"});

  // The same path written otherwise is another name: the movie is given the choice.
  Answer(player::kUrlQuery, gbkFile.substr(0, gbkFile.size() - 3) + "FLV");
  OpenThroughTheButton(hwnd, button, file);
  EXPECT_EQ(Written("flvurl"), (std::vector<std::string>{"http://h/a.flv", gbkFile}));
  // Title, address and caption stay those of the export's call.
  EXPECT_EQ(w->Caption(), "正在播放 影片");
  EXPECT_EQ(player::PlayUrl, "http://h/a.flv");

  // Cancelled: nothing is written.
  EXPECT_EQ(OpenThroughTheButton(hwnd, button, L""), L"打开可播放文件*.mp4;*.flv");
  EXPECT_EQ(Written("flvurl").size(), 2u);
  DeleteFileW(file.c_str());
}

TEST_F(PlayerWindowTest, AddressesShorterThanSixBytesAreRefused) {
  testsupport::DialogWatcher watcher;
  player::PlayUrl = "a.flv";
  EXPECT_EQ(ui::Window::Load(player::PlayerWindowForm), nullptr);
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].text, "暂时无法播放该视频！");
  EXPECT_EQ(watcher.Seen()[0].title, "信息：");
  EXPECT_TRUE(fake->calls.empty());
  player::PlayUrl = "ab.flv";
  Load();
  EXPECT_EQ(Written("flvurl"), std::vector<std::string>{"ab.flv"});
}

}  // namespace

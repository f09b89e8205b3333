// The movie player window's handlers: loading, layout, full screen, the menu,
// the control bar and the two timers.
#include "player/PlayerWindow.h"

#include <string>

#include "player/MovieProtocol.h"
#include "player/PlayerGlobals.h"
#include "player/PlayerWindows.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/Slider.h"

namespace player {

int32_t IsFullScreen = 0;
ui::Rect SavedWindowRect = {};
int32_t CurrentVolume = 100;

namespace {

constexpr int kControlBarHeight = 64;
constexpr int kRed = 255;

// Hidden in full screen and shown again in the window, in this order.
const char* const kControlBar[] = {kTimeLabel,       kSeekSlider, kVolumeSlider, kStatusLabel,    kVolumeLabel,
                                   kPlayPauseButton, kStopButton, kExitButton,   kOpenFileButton, kControlBarGroup};

void ShowControlBar(ui::Window& w, bool show) {
  for (const char* name : kControlBar) ui::Control(w.ControlHwnd(name)).SetVisible(show);
}

// Caption and frame in the window, neither in full screen.
void SetFramed(HWND hwnd, bool framed) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  const LONG wanted = framed ? (style | WS_CAPTION) : (style & ~WS_CAPTION);
  if (wanted == style) return;
  SetWindowLongW(hwnd, GWL_STYLE, wanted);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MoveVideoLabel(ui::Window& w, int width, int height) {
  MoveWindow(w.ControlHwnd(kVideoLabel), 0, 0, width, height, TRUE);
}

// Pops up the menu just below and right of the cursor.
void OnVideoRightClick(int32_t, int32_t, int32_t) {
  ui::Window* w = ui::Window::Find(PlayerWindowForm.name);
  if (!w) return;
  POINT at;
  GetCursorPos(&at);
  w->PopupMenuAt(kControlMenu, at.x + 3, at.y + 3);
}

std::string StatusText(int32_t state, int* colour) {
  *colour = 0;
  switch (state) {
    case kStateStopped: return "停止播放 " + PlayTitle;
    case kStatePlaying: return "正在播放 " + PlayTitle;
    case kStatePaused: return "暂停播放 " + PlayTitle;
    case kStateBuffering: return "缓冲 " + PlayTitle;
    case kStateStreamNotFound: *colour = kRed; return "出现未知错误，请退出后重试！";
    case kStateLoading: return "正在加载... " + PlayTitle;
    default: *colour = ui::kDefaultColour; return "";
  }
}

}  // namespace

void OnPlayerWindowLoaded(ui::Window& w, ui::Event&) {
  const HWND hwnd = w.Hwnd();
  SetWindowPos(hwnd, nullptr, 0, 0, 500, 385, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  w.Get<ui::Slider>(kVolumeSlider).SetPos(100);
  if (PlayUrl.size() < 6) {
    ui::ShowMessage("暂时无法播放该视频！", "", MB_OK | MB_TASKMODAL);
    DestroyWindow(hwnd);
    return;
  }
  RECT client;
  GetClientRect(hwnd, &client);
  Player->Create(hwnd, 1, 1, client.right, client.bottom, OnVideoRightClick);
  // The label lies over the movie, so that it takes the left button.
  SetWindowPos(w.ControlHwnd(kVideoLabel), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Player->SetUrl(PlayUrl);
  w.SetCaption("正在播放 " + PlayTitle);
  IsFullScreen = 0;
  CurrentVolume = 100;
  Player->SetVolume(100);
}

void LayoutPlayerWindow(ui::Window& w, ui::Event&) {
  const HWND hwnd = w.Hwnd();
  if (IsFullScreen == 1) {
    ShowControlBar(w, false);
    SetFramed(hwnd, false);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    MoveVideoLabel(w, width, height);
    Player->Move(0, 0, width, height);
    return;
  }
  RECT client, outer;
  GetClientRect(hwnd, &client);
  Player->Move(0, 0, client.right, client.bottom - kControlBarHeight);
  MoveVideoLabel(w, client.right, client.bottom - kControlBarHeight);
  GetWindowRect(hwnd, &outer);
  SavedWindowRect = {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
  ShowControlBar(w, true);
  SetFramed(hwnd, true);
}

void OnPlayPause(ui::Window&, ui::Event&) { Player->Play(); }
void OnStop(ui::Window&, ui::Event&) { Player->Stop(); }
void OnExit(ui::Window& w, ui::Event&) { DestroyWindow(w.Hwnd()); }

void OnSeekSlider(ui::Window&, ui::Event& e) { Player->Seek(e.NewPosition()); }
void OnVolumeSlider(ui::Window&, ui::Event& e) { Player->SetVolume(e.NewPosition()); }

void VolumeUp(ui::Window&, ui::Event&) {
  CurrentVolume += 10;
  Player->SetVolume(CurrentVolume);
}

void VolumeDown(ui::Window&, ui::Event&) {
  CurrentVolume -= 10;
  Player->SetVolume(CurrentVolume);
}

void ToggleMute(ui::Window& w, ui::Event&) {
  const bool muted = w.MenuItemChecked(kVolumeMenu, kMuteItem);
  w.SetMenuItemChecked(kVolumeMenu, kMuteItem, !muted);
  Player->SetVolume(muted ? CurrentVolume : 0);
}

void ToggleAlwaysOnTop(ui::Window& w, ui::Event&) {
  if (!w.Topmost()) {
    w.SetTopmost(true);
    w.SetMenuItemChecked(kControlMenu, kTopmostItem, true);
  } else if (IsFullScreen == 0) {
    w.SetTopmost(false);
    w.SetMenuItemChecked(kControlMenu, kTopmostItem, false);
  } else {
    w.SetMenuItemChecked(kControlMenu, kTopmostItem, true);  // full screen stays on top
  }
}

void EnterFullScreen(ui::Window& w, ui::Event& e) {
  if (IsFullScreen == 1) {
    LeaveFullScreen(w, e);
    return;
  }
  IsFullScreen = 1;
  ShowWindow(w.Hwnd(), SW_MAXIMIZE);  // the resize lays the window out for full screen
  w.SetTopmost(true);
}

void LeaveFullScreen(ui::Window& w, ui::Event&) {
  if (IsFullScreen == 1 && w.Topmost()) w.SetTopmost(false);
  IsFullScreen = 0;
  ShowWindow(w.Hwnd(), SW_RESTORE);  // the resize lays the window out and records its rectangle
  const ui::Rect r = SavedWindowRect;
  MoveWindow(w.Hwnd(), r.x, r.y, r.w, r.h, TRUE);
}

void DragByTheMovie(ui::Window& w, ui::Event&) {
  if (IsFullScreen == 0) SendMessageW(w.Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void OnOpenFileButton(ui::Window& w, ui::Event&) {
  const std::string file = ui::ChooseOpenFile(w.Hwnd(), "打开可播放文件", "*.mp4;*.flv|*.mp4;*.flv");
  if (!file.empty() && file != Player->Url()) Player->SetUrl(file);
}

void UpdateStatusLabel(ui::Window& w, ui::Event&) {
  int colour = 0;
  const std::string text = StatusText(Player->PlayerState(), &colour);
  const auto label = w.Get<ui::Label>(kStatusLabel);
  // Writing the same colour or text again would only make the label flicker.
  if (colour != ui::kDefaultColour && label.TextColour() != colour) label.SetTextColour(colour);
  if (label.Text() != text) label.SetText(text);
}

void UpdateTimeDisplay(ui::Window& w, ui::Event&) {
  const auto seek = w.Get<ui::Slider>(kSeekSlider);
  if (seek.Max() != Player->TotalSeconds()) seek.SetMax(Player->TotalSeconds());
  seek.SetPos(Player->CurrentSeconds());  // from code: does not seek
  const std::string time = Player->TimeText();
  const auto label = w.Get<ui::Label>(kTimeLabel);
  if (label.Text() != time) label.SetText(time);
}

bool ShowPlayerWindow() { return ui::Window::LoadModal(PlayerWindowForm, nullptr); }

}  // namespace player

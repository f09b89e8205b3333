// The player window's form: the control bar, the off-window open button, the
// label over the movie, its two timers and its pop-up menu.
#include "player/PlayerWindow.h"
#include "player/TransparentLabel.h"

using namespace ui;

namespace player {

namespace {

const ControlDef kControls[] = {
    {"分组框1", Kind::GroupBox, nullptr, {4, 290, 488, 60}},
    {"按钮1", Kind::Button, "分组框1", {5, 14, 64, 20}, "播放/暂停", HandCursor, OnPlayPause},
    {"按钮2", Kind::Button, "分组框1", {74, 14, 40, 20}, "停止", HandCursor, OnStop},
    {"快进滑块条", Kind::Slider, "分组框1", {118, 16, 289, 20}, "", 0, OnSeekSlider, 0},
    {"时间标签", Kind::Label, "分组框1", {411, 15, 72, 16}, "00:00/00:00"},
    {"状态标签2", Kind::Label, "分组框1", {6, 38, 29, 16}, "音量"},
    {"音量滑块条", Kind::Slider, "分组框1", {31, 39, 86, 16}, "", 0, OnVolumeSlider, 100},
    {"状态标签", Kind::Label, "分组框1", {127, 37, 314, 16}, ""},
    {"关闭", Kind::Button, "分组框1", {447, 34, 36, 20}, "退出", HandCursor, OnExit},
    // Below the window's bottom edge: never seen, but it can take the focus.
    {"打开文件", Kind::Button, nullptr, {16, 413, 72, 20}, "打开文件", HandCursor, OnOpenFileButton},
    {"透明标签", TransparentLabel, nullptr, {16, 8, 120, 80}, "", 0, OnVideoLabel},
    {"当前播放状态", Kind::Timer, nullptr, {}, "", 0, UpdateStatusLabel, 10},
    {"实时时钟", Kind::Timer, nullptr, {}, "", 0, UpdateTimeDisplay, 1000},
};

const MenuItemDef kVolumeMenu[] = {
    {"增大", VolumeUp},
    {"减小", VolumeDown},
    {"静音", ToggleMute},
};
const MenuDef kVolume = {"音量控制", kVolumeMenu, CountOf(kVolumeMenu)};

const MenuItemDef kControlMenu[] = {
    {"播放/暂停(&P)", OnPlayPause},
    {"停止(&S)", OnStop},
    {"-", nullptr},
    {"总在最前", ToggleAlwaysOnTop},
    {"-", nullptr},
    {"全屏模式  Ctrl+Enter", EnterFullScreen},
    {"窗口模式  Esc", LeaveFullScreen},
    {"-", nullptr},
    {"音量控制", nullptr, &kVolume},
    {"-", nullptr},
    {"退出", OnExit},
};

const MenuDef kMenus[] = {
    {"控制菜单", kControlMenu, CountOf(kControlMenu)},
};

}  // namespace

// The form is 500 x 385 outside; the window is given that size when it is loaded.
const FormDef PlayerWindowForm = {
    "PlayerWindow", "播放器1.0", {50, 50, 494, 356}, kControls, CountOf(kControls), kMenus, CountOf(kMenus), 0,
    OnPlayerWindowLoaded, nullptr, nullptr, nullptr, 0, LayoutPlayerWindow,
};

}  // namespace player

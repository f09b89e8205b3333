// The player window's form: the control bar, the off-window open button, the
// label over the movie, its two timers and its pop-up menu.
#include "player/PlayerWindowForm.h"

#include "player/PlayerWindow.h"
#include "player/TransparentLabel.h"

using namespace ui;

namespace player {

namespace {

// clang-format off
const ControlDef kControls[] = {
    Row(kControlBarGroup, Kind::GroupBox).At(4, 290, 488, 60),
    Row(kPlayPauseButton, Kind::Button).In(kControlBarGroup).At(5, 14, 64, 20).Caption("播放/暂停").Flags(HandCursor).OnClick(OnPlayPause),
    Row(kStopButton, Kind::Button).In(kControlBarGroup).At(74, 14, 40, 20).Caption("停止").Flags(HandCursor).OnClick(OnStop),
    Row(kSeekSlider, Kind::Slider).In(kControlBarGroup).At(118, 16, 289, 20).OnChange(OnSeekSlider),
    Row(kTimeLabel, Kind::Label).In(kControlBarGroup).At(411, 15, 72, 16).Caption("00:00/00:00"),
    Row(kVolumeLabel, Kind::Label).In(kControlBarGroup).At(6, 38, 29, 16).Caption("音量"),
    Row(kVolumeSlider, Kind::Slider).In(kControlBarGroup).At(31, 39, 86, 16).Max(100).OnChange(OnVolumeSlider),
    Row(kStatusLabel, Kind::Label).In(kControlBarGroup).At(127, 37, 314, 16),
    Row(kExitButton, Kind::Button).In(kControlBarGroup).At(447, 34, 36, 20).Caption("退出").Flags(HandCursor).OnClick(OnExit),
    // Below the window's bottom edge: never seen, but it can take the focus.
    Row(kOpenFileButton, Kind::Button).At(16, 413, 72, 20).Caption("打开文件").Flags(HandCursor).OnClick(OnOpenFileButton),
    Row(kVideoLabel, TransparentLabel).At(16, 8, 120, 80).OnMouseDown(DragByTheMovie).OnDoubleClick(EnterFullScreen),
    Row("当前播放状态", Kind::Timer).Interval(10).OnTick(UpdateStatusLabel),
    Row("实时时钟", Kind::Timer).Interval(1000).OnTick(UpdateTimeDisplay),
};

const MenuItemDef kVolumeMenuItems[] = {
    {"增大", VolumeUp},
    {"减小", VolumeDown},
    {kMuteItem, ToggleMute},
};
const MenuDef kVolume = {kVolumeMenu, kVolumeMenuItems, CountOf(kVolumeMenuItems)};

const MenuItemDef kControlMenuItems[] = {
    {"播放/暂停(&P)", OnPlayPause},
    {"停止(&S)", OnStop},
    {"-", nullptr},
    {kTopmostItem, ToggleAlwaysOnTop},
    {"-", nullptr},
    {"全屏模式  Ctrl+Enter", EnterFullScreen},
    {"窗口模式  Esc", LeaveFullScreen},
    {"-", nullptr},
    {kVolumeMenu, nullptr, &kVolume},
    {"-", nullptr},
    {"退出", OnExit},
};

const MenuDef kMenus[] = {
    {kControlMenu, kControlMenuItems, CountOf(kControlMenuItems)},
};

}  // namespace

// The form is 500 x 385 outside; the window is given that size when it is loaded.
const FormDef PlayerWindowForm = FormDef("PlayerWindow", "播放器1.0", {50, 50, 494, 356}, kControls)
                                     .Menus(kMenus).OnCreated(OnPlayerWindowLoaded).OnResized(LayoutPlayerWindow);
// clang-format on

}  // namespace player

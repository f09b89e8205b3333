// The player window's form and the designer names its handlers use.
#pragma once
#include "ui/Form.h"

namespace player {

extern const ui::FormDef PlayerWindowForm;

// The control bar's group and the controls in it, and the open button below
// the window's edge: hidden in full screen and shown again in the window.
inline constexpr char kControlBarGroup[] = "分组框1", kOpenFileButton[] = "打开文件";
inline constexpr char kPlayPauseButton[] = "按钮1", kStopButton[] = "按钮2", kExitButton[] = "关闭";
inline constexpr char kSeekSlider[] = "快进滑块条", kTimeLabel[] = "时间标签";
inline constexpr char kVolumeLabel[] = "状态标签2", kVolumeSlider[] = "音量滑块条", kStatusLabel[] = "状态标签";
// The label over the movie.
inline constexpr char kVideoLabel[] = "透明标签";

// The pop-up menu, its sub-menu and the items with check marks.
inline constexpr char kControlMenu[] = "控制菜单", kVolumeMenu[] = "音量控制";
inline constexpr char kTopmostItem[] = "总在最前", kMuteItem[] = "静音";

}  // namespace player

// The start window's form and the designer names its handlers use.
#pragma once
#include "ui/Form.h"

extern const ui::FormDef MainWindowForm;

// Controls and timers, by where they stand: the toolbar, the list's panel
// and the controls in it, the check box and the status bar below the panel,
// the browser's panel and the browser in it, the timers.
inline constexpr char kToolbar[] = "工具条";
inline constexpr char kListPanel[] = "外形框1", kFileList[] = "L1", kProgressBar[] = "进度条1";
inline constexpr char kSaveFolderBox[] = "编辑框2", kSaveFolderButton[] = "保存路径按钮",
                      kDownloadButton[] = "下载按钮";
inline constexpr char kSelectAllBox[] = "选择框1", kStatusBar[] = "状态条1";
inline constexpr char kBrowserPanel[] = "外形框2", kBrowser[] = "W1";
inline constexpr char kTipTimer[] = "状态时钟", kParseLimitTimer[] = "解析限制时钟";

// Menus and the item the handlers name.
inline constexpr char kTrayMenu[] = "托盘菜单", kListMenu[] = "操作菜单", kOpenFileItem[] = "打开文件";

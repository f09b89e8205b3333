// The start window's form: controls, toolbar items, list columns, menus.
#include "main/MainWindow.h"
#include "main/DownloadQueue.h"
#include "main/FileListCommands.h"
#include "main/ParseWindow.h"
#include "main/Resource.h"

using namespace ui;

namespace {

const ToolItem kToolItems[] = {
    {nullptr, nullptr, 0},
    {"新建任务", "新建一个可解析的视频网址", 0, OnNewTaskItem},
    {"查看已下载 ", nullptr, 1, OnViewDownloadsItem},
    {nullptr, nullptr, 0},
    {"置顶", "窗口置顶", 2, OnTopmostItem},
    {"使用帮助", "帮助", 3, OnHelpItem},
    {nullptr, nullptr, 0},
    {"退出", "退出", 4, OnExitItem},
};

const Column kListColumns[] = {
    {"序号", 44}, {"名称", 180}, {"视频地址", 80}, {"大小", 70}, {"状态", 66}, {"Url", 0},
};

const ControlDef kControls[] = {
    {"工具条", Kind::Toolbar, nullptr, {8, 8, 600, 45}, "", HandCursor, nullptr, IDB_TOOLBAR, kToolItems,
     CountOf(kToolItems)},
    {"外形框1", Kind::ShapeBox, nullptr, {5, 51, 481, 189}},
    {"L1", Kind::ListView, "外形框1", {6, 5, 467, 96}, "", Disabled | RowCheckBoxes, OnFileListEvent, 0, nullptr, 0,
     kListColumns, CountOf(kListColumns)},
    {"进度条1", Kind::ProgressBar, "外形框1", {5, 104, 468, 21}, "", 0, nullptr, 1000},
    {"透明标签1", Kind::Label, "外形框1", {6, 129, 107, 24}, "视频文件保存目录："},
    {"编辑框2", Kind::EditBox, "外形框1", {6, 151, 291, 26}, "", Disabled, OnSaveFolderEdit},
    {"保存路径按钮", Kind::Button, "外形框1", {298, 151, 36, 26}, "设置", Disabled | HandCursor, ChooseSaveFolder},
    {"下载按钮", Kind::Button, "外形框1", {417, 129, 57, 48}, "下载", Disabled | HandCursor, OnDownloadButton},
    {"选择框1", Kind::CheckBox, nullptr, {359, 199, 49, 15}, "全选", Disabled | HandCursor, OnSelectAll},
    {"状态条1", Kind::StatusBar, nullptr, {0, 259, 422, 30}, "欢迎使用Tavrin！"},
    {"状态时钟", Kind::Timer, nullptr, {}, "", 0, OnTipTimer, 3000},
    {"解析限制时钟", Kind::Timer, nullptr, {}, "", 0, OnParseLimitTick, 1000},
    {"外形框2", Kind::ShapeBox, nullptr, {6, 248, 480, 144}, "", Hidden},
    {"W1", Kind::WebBrowser, "外形框2", {1, 1, 478, 142}, "", Hidden},
};

const MenuItemDef kTrayMenu[] = {
    {"显示隐藏", OnShowHideItem},
    {"-", nullptr},
    {"注销退出", OnLogOffItem},
};

const MenuItemDef kListMenu[] = {
    {"打开文件", OpenDownloadedFile}, {"打开文件夹", OpenSaveFolder}, {"-", nullptr},
    {"在线播放", PlaySelectedRow},    {"-", nullptr},                {"复制解析地址", CopyVideoUrl},
    {"打开网页地址", OpenSourcePage}, {"-", nullptr},                {"删除数据", DeleteRow},
};

const MenuDef kMenus[] = {
    {"托盘菜单", kTrayMenu, CountOf(kTrayMenu)},
    {"操作菜单", kListMenu, CountOf(kListMenu)},
};

}  // namespace

const FormDef MainWindowForm = {
    "MainWindow",     "Tavrin",         {50, 50, 496, 301}, kControls,      CountOf(kControls),
    kMenus,           CountOf(kMenus),  IDI_TAVRIN,         OnStartWindowCreated, OnStartWindowClosing,
    OnStartWindowDestroyed, OnTrayEvent,
};

// The start window's form: controls, toolbar items, list columns, menus.
#include "main/MainWindowForm.h"

#include "main/MainWindow.h"
#include "main/DownloadQueue.h"
#include "main/FileListCommands.h"
#include "main/ParseWindow.h"
#include "main/Resource.h"

using namespace ui;

namespace {

// clang-format off
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
    Row(kToolbar, Kind::Toolbar).At(8, 8, 600, 45).Flags(HandCursor).Images(IDB_TOOLBAR).Items(kToolItems),
    Row(kListPanel, Kind::ShapeBox).At(5, 51, 481, 189),
    Row(kFileList, Kind::ListView).In(kListPanel).At(6, 5, 467, 96).Flags(Disabled | RowCheckBoxes).Columns(kListColumns)
        .OnRightClick(OnListRightClick),
    Row(kProgressBar, Kind::ProgressBar).In(kListPanel).At(5, 104, 468, 21).Max(1000),
    Row("透明标签1", Kind::Label).In(kListPanel).At(6, 129, 107, 24).Caption("视频文件保存目录："),
    Row(kSaveFolderBox, Kind::EditBox).In(kListPanel).At(6, 151, 291, 26).Flags(Disabled).OnFocus(ChooseSaveFolder),
    Row(kSaveFolderButton, Kind::Button).In(kListPanel).At(298, 151, 36, 26).Caption("设置").Flags(Disabled | HandCursor).OnClick(ChooseSaveFolder),
    Row(kDownloadButton, Kind::Button).In(kListPanel).At(417, 129, 57, 48).Caption("下载").Flags(Disabled | HandCursor).OnClick(OnDownloadButton),
    Row(kSelectAllBox, Kind::CheckBox).At(359, 199, 49, 15).Caption("全选").Flags(Disabled | HandCursor).OnClick(OnSelectAll),
    Row(kStatusBar, Kind::StatusBar).At(0, 259, 422, 30).Caption("欢迎使用Tavrin！"),
    Row(kTipTimer, Kind::Timer).Interval(3000).OnTick(OnTipTimer),
    Row(kParseLimitTimer, Kind::Timer).Interval(1000).OnTick(OnParseLimitTick),
    Row(kBrowserPanel, Kind::ShapeBox).At(6, 248, 480, 144).Flags(Hidden),
    Row(kBrowser, Kind::WebBrowser).In(kBrowserPanel).At(1, 1, 478, 142).Flags(Hidden),
};

const MenuItemDef kTrayMenuItems[] = {
    {"显示隐藏", OnShowHideItem},
    {"-", nullptr},
    {"注销退出", OnLogOffItem},
};

const MenuItemDef kListMenuItems[] = {
    {kOpenFileItem, OpenDownloadedFile}, {"打开文件夹", OpenSaveFolder}, {"-", nullptr},
    {"在线播放", PlaySelectedRow},       {"-", nullptr},                {"复制解析地址", CopyVideoUrl},
    {"打开网页地址", OpenSourcePage},    {"-", nullptr},                {"删除数据", DeleteRow},
};

const MenuDef kMenus[] = {
    {kTrayMenu, kTrayMenuItems, CountOf(kTrayMenuItems)},
    {kListMenu, kListMenuItems, CountOf(kListMenuItems)},
};

}  // namespace

const FormDef MainWindowForm =
    FormDef("MainWindow", "Tavrin", {50, 50, 496, 301}, kControls).Menus(kMenus).Icon(IDI_TAVRIN)
        .OnCreated(OnStartWindowCreated).OnClosing(OnStartWindowClosing).OnDestroyed(OnStartWindowDestroyed)
        .OnTray(OnTrayEvent);
// clang-format on

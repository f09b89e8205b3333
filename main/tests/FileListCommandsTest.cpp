// The file list's commands on the real start window under Wine: pop-up menu, 全选, save folder, player.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>

#include "main/ConfigFile.h"
#include "main/DownloadQueuePlan.h"
#include "main/FileListCommands.h"
#include "main/Globals.h"
#include "main/MainWindow.h"
#include "main/PlayerLink.h"
#include "main/ServiceClient.h"
#include "main/tests/support/QuietStartWindow.h"
#include "ui/App.h"
#include "ui/ClipboardText.h"
#include "ui/ListView.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogDriver.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/tests/support/FolderTree.h"
#include "ui/base/tests/support/Pump.h"
#include "ui/tests/support/ShellRecorder.h"
#include "ui/tests/support/TempFolder.h"

namespace {

using testsupport::DialogDriver;
using testsupport::Pump;
using testsupport::PumpFor;

class FileListCommandsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ = testsupport::LoadQuietStartWindow();
    ASSERT_NE(window_, nullptr);
    for (const char* name : {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"})
      window_->Get<ui::Control>(name).SetEnabled(true);
  }
  void SetUp() override {
    List().Clear();
    List().AddRow({"1", "甲[0].flv", "http://视频.例子.cn/片/0.flv", "", kDownloadedText, "http://页.cn/0"}, 10);
    List().AddRow({"2", "乙[1].flv", "http://视频.例子.cn/片/1.flv", "", "", "http://页.cn/1"}, 11);
    List().AddRow({"3", "丙[2].flv", "http://视频.例子.cn/片/2.flv", "", "下载失败", "http://页.cn/2"}, 12);
  }
  void TearDown() override { EXPECT_EQ(testsupport::CloseStrayDialogs(), "") << "message boxes left open"; }
  static ui::ListView List() { return window_->Get<ui::ListView>("L1"); }
  static void Select(int row) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(List().Hwnd(), LVM_SETITEMSTATE, row >= 0 ? row : -1, (LPARAM)&item);
  }
  // Chooses an item of 操作菜单 as its menu row binds it.
  static void Choose(const char* item) {
    const ui::MenuDef& menu = MainWindowForm.menus[1];
    for (int i = 0; i < menu.itemCount; ++i) {
      if (std::string(menu.items[i].caption) != item) continue;
      ui::Event e{ui::EventType::Click};
      e.payload = ui::ItemIndex{i};
      menu.items[i].onClick(*window_, e);
    }
  }
  // Right-clicks the list as the list reports it; returns whether 打开文件
  // was enabled in the menu that popped up (the menu is then closed).
  static int RightClickMenuState() {
    std::atomic<int> state{-1};
    testsupport::WindowDriver driver(L"#32768", "the menu's items", testsupport::MenuReady, [&](HWND menu) {
      HMENU h = (HMENU)SendMessageW(menu, MN_GETHMENU, 0, 0);
      state = (GetMenuState(h, 0, MF_BYPOSITION) & MF_GRAYED) ? 0 : 1;
      PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = List().Hwnd();
    click.hdr.idFrom = GetDlgCtrlID(List().Hwnd());
    click.hdr.code = NM_RCLICK;
    click.iItem = List().SelectedRow();
    // The menu's loop runs inside the notification and ends with the driver's Escape.
    SendMessageW(window_->Hwnd(), WM_NOTIFY, click.hdr.idFrom, (LPARAM)&click);
    EXPECT_TRUE(driver.Acted());
    return state;
  }
  static ui::Window* window_;
};
ui::Window* FileListCommandsTest::window_ = nullptr;

TEST_F(FileListCommandsTest, OpenFileIsEnabledOnlyForAFinishedRowAndTheMenuComesWithoutSelection) {
  Select(0);
  EXPECT_EQ(RightClickMenuState(), 1);
  Select(2);
  EXPECT_EQ(RightClickMenuState(), 0);
  Select(-1);
  ASSERT_EQ(List().SelectedRow(), -1);
  EXPECT_EQ(RightClickMenuState(), 0);  // pops up, keeping the last state

  // Chosen anyway from a stale menu: the not-finished message, no icon.
  testsupport::DialogWatcher watcher(IDOK);
  Select(1);
  Choose("打开文件");
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].title, "温馨提示： ");
  EXPECT_EQ(watcher.Seen()[0].text, kNotDownloadedText);
}

// 打开网页地址 hands the shell web addresses only; the page column came from outside.
TEST_F(FileListCommandsTest, OpenPageAddressOpensOnlyWebAddresses) {
  const struct {
    const char* page;
    const char* opened;  // "" when nothing may be opened
  } cases[] = {
      {"http://页.cn/0", "http://页.cn/0"},
      {"HTTPS://v.example.cn/1.html", "HTTPS://v.example.cn/1.html"},
      {"v.example.cn/2.html", "http://v.example.cn/2.html"},
      {"file:///C:/windows/system32/winver.exe", ""},
      {"javascript:alert(1)", ""},
      {"\\\\127.0.0.1\\share\\x.exe", ""},
      {"C:\\windows\\system32\\winver.exe", ""},
      {"winver.exe\\..\\x", ""},
  };
  List().Clear();
  for (const auto& c : cases) List().AddRow({"1", "a.flv", "http://v.cn/a.flv", "", "", c.page}, 20);
  for (int row = 0; row < List().RowCount(); ++row) {
    testsupport::ClearShellTargets();
    Select(row);
    Choose("打开网页地址");
    const std::vector<std::string> opened = testsupport::ShellTargets();
    if (*cases[row].opened) {
      EXPECT_EQ(opened, std::vector<std::string>{cases[row].opened}) << cases[row].page;
    } else {
      EXPECT_TRUE(opened.empty()) << cases[row].page << " went to the shell";
    }
  }
  // A finished row's file opens from the save folder as it stands.
  testsupport::ClearShellTargets();
  List().Clear();
  List().AddRow({"1", "甲[0].flv", "http://v.cn/a.flv", "", kDownloadedText, "x"}, 21);
  Select(0);
  Choose("打开文件");
  EXPECT_EQ(testsupport::ShellTargets(),
            std::vector<std::string>{window_->Get<ui::Control>("编辑框2").Text() + "甲[0].flv"});
}

// 查看已下载, 打开文件夹 and 打开文件 hand the shell the save folder (or the
// file in it) only while the box names an existing folder.
TEST_F(FileListCommandsTest, TheSaveFolderGoesToTheShellOnlyAsAnExistingFolder) {
  const auto box = window_->Get<ui::Control>("编辑框2");
  const std::string folder = box.Text();  // the default one, which the start made
  const auto openAll = [&](const std::string& text) {
    box.SetText(text);
    testsupport::ClearShellTargets();
    ui::Event click{ui::EventType::Click};
    OnViewDownloadsItem(*window_, click);
    Choose("打开文件夹");
    Select(0);
    Choose("打开文件");
    return testsupport::ShellTargets();
  };
  for (const char* text : {"http://a.cn/x\\", "\\\\127.0.0.1\\v\\", "C:\\windows\\system32\\notepad.exe"})
    EXPECT_TRUE(openAll(text).empty()) << text << " went to the shell";
  EXPECT_EQ(openAll(folder), (std::vector<std::string>{folder, folder, folder + "甲[0].flv"}));
}

TEST_F(FileListCommandsTest, CopyPutsTheChineseAddressOnTheClipboardAndDeleteTakesTheSelectedRow) {
  Select(1);
  Choose("复制解析地址");
  EXPECT_EQ(ui::ReadClipboardText(nullptr), "http://视频.例子.cn/片/1.flv");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const wchar_t* wide = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  EXPECT_STREQ(wide, L"http://视频.例子.cn/片/1.flv");
  if (wide) GlobalUnlock(data);
  CloseClipboard();

  Choose("删除数据");
  ASSERT_EQ(List().RowCount(), 2);
  EXPECT_EQ(List().FindRow(11), -1);
  EXPECT_EQ(List().Cell(1, 1), "丙[2].flv");
  Select(-1);
  Choose("删除数据");
  Choose("复制解析地址");
  EXPECT_EQ(List().RowCount(), 2);
  EXPECT_EQ(ui::ReadClipboardText(nullptr), "http://视频.例子.cn/片/1.flv");
}

TEST_F(FileListCommandsTest, SelectAllChecksTheRestAndUncheckingClearsAll) {
  List().SetRowChecked(1, true);
  const HWND box = window_->ControlHwnd("选择框1");
  SendMessageW(box, BM_CLICK, 0, 0);
  for (int row = 0; row < 3; ++row) EXPECT_TRUE(List().RowChecked(row)) << row;
  SendMessageW(box, BM_CLICK, 0, 0);
  for (int row = 0; row < 3; ++row) EXPECT_FALSE(List().RowChecked(row)) << row;
}

TEST_F(FileListCommandsTest, PlayingWithoutThePlayerLibraryShowsTheMessageAndGoesOn) {
  testsupport::DialogWatcher watcher(IDOK);
  Select(1);
  Choose("在线播放");
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].text, "无法找到指定DLL库文件“Play.dll”中的输出命令“启动播放”");
  EXPECT_EQ(MissingPlayerText(), watcher.Seen()[0].text);
  EXPECT_TRUE(IsWindow(window_->Hwnd()));
  EXPECT_TRUE(IsWindowEnabled(window_->Hwnd()));
  // Tried again at the next use, and still no end.
  Choose("在线播放");
  EXPECT_TRUE(watcher.WaitFor(2));
  EXPECT_TRUE(IsWindowEnabled(window_->Hwnd()));
}

// A dialog driver that cancels the dialog.
struct Cancelling : DialogDriver {
  Cancelling()
      : DialogDriver("the Cancel button", testsupport::ButtonReady(IDCANCEL), testsupport::Pressing(IDCANCEL)) {}
};

// The folder is chosen in the dialog's tree even when the temporary folder
// above it changed just before, as the other tests change it.
TEST_F(FileListCommandsTest, EachFocusOnTheFolderBoxGivesOneDialogAndAChoiceIsRecorded) {
  const std::string ini = ui::ProgramDir() + "\\FolderChoice.ini";
  DeleteFileW(ui::ToWide(ini).c_str());
  ConfigPath.Set(ini);
  const auto box = window_->Get<ui::Control>("编辑框2");
  box.SetText("C:\\旧\\");
  SetForegroundWindow(window_->Hwnd());
  {
    Cancelling cancel;
    SetFocus(box.Hwnd());
    ASSERT_TRUE(PumpFor("the folder dialog to be cancelled", [&] { return cancel.Count() == 1; }));
    Pump(500);  // focus that arrives late gives no second dialog
    EXPECT_EQ(cancel.Count(), 1);
  }
  EXPECT_EQ(box.Text(), "C:\\旧\\");
  EXPECT_EQ(ReadConfigValue(ini, "视频下载", "Down"), "");

  const std::wstring folder = testsupport::FolderInTemp(L"存放视频");
  {
    std::string selection;
    DialogDriver choose("the folder tree", testsupport::FolderTreeReady, [&](HWND dialog) {
      selection = testsupport::SelectInFolderTree(dialog, folder);
      testsupport::PressDialogButton(dialog, selection.empty() ? IDOK : IDCANCEL);
    });
    testsupport::AddAndDeleteAFile(testsupport::TempFolder());
    SetFocus(box.Hwnd());
    ASSERT_TRUE(PumpFor("the folder dialog to be answered", [&] { return choose.Count() == 1; }));
    EXPECT_EQ(selection, "");
    ASSERT_TRUE(PumpFor("the choice in the box", [&] { return box.Text() != "C:\\旧\\"; }));
    // The window coming back to the front gives no second dialog.
    SetForegroundWindow(GetDesktopWindow());
    SetForegroundWindow(window_->Hwnd());
    Pump(500);
    EXPECT_EQ(choose.Count(), 1);
  }
  EXPECT_EQ(box.Text(), ui::ToGbk(folder) + "\\");
  EXPECT_EQ(ReadConfigValue(ini, "视频下载", "Down"), ui::ToGbk(folder));
  // The button asks as well.
  {
    Cancelling cancel;
    SendMessageW(window_->ControlHwnd("保存路径按钮"), BM_CLICK, 0, 0);
    ASSERT_TRUE(PumpFor("the button's folder dialog to be cancelled", [&] { return cancel.Count() == 1; }));
  }
  EXPECT_EQ(box.Text(), ui::ToGbk(folder) + "\\");
  DeleteFileW(ui::ToWide(ini).c_str());
}

}  // namespace

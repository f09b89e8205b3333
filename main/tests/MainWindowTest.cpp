// The start window under Wine: real window, real messages, real settings file.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "main/ConfigFile.h"
#include "main/Globals.h"
#include "main/MachineId.h"
#include "main/MainWindow.h"
#include "main/ParseWindow.h"
#include "main/Program.h"
#include "main/ServiceClient.h"
#include "main/Settings.h"
#include "main/tests/support/SurrogateReaper.h"
#include "ui/App.h"
#include "ui/Button.h"
#include "ui/ListView.h"
#include "ui/StatusBar.h"
#include "ui/Toolbar.h"
#include "ui/base/WideText.h"
#include "ui/tests/support/DialogWatcher.h"
#include "ui/tests/support/GuiObjects.h"
#include "ui/base/tests/support/Pump.h"

namespace {

std::string Dir() { return ui::ProgramDir(); }
std::string ConfigFilePath() { return Dir() + "\\Config.ini"; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(ui::ToWide(path).c_str(), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(ui::ToWide(path).c_str(), std::ios::binary);
  out << text;
}

bool Exists(const std::string& path) { return GetFileAttributesW(ui::ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Presses a toolbar item with the mouse, as a user would.
void ClickToolbarItem(ui::Window* w, int index) {
  HWND bar = w->ControlHwnd("工具条");
  RECT r = {};
  SendMessageW(bar, TB_GETITEMRECT, index, (LPARAM)&r);
  LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(bar, WM_MOUSEMOVE, 0, at);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(bar, WM_LBUTTONUP, 0, at);
  ui::PumpPendingMessages();
}

// A settings file of the test's own, removed at its end.
class OwnSettingsFile {
 public:
  OwnSettingsFile() {
    path_ = Dir() + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    DeleteFileW(ui::ToWide(path_).c_str());
  }
  ~OwnSettingsFile() { DeleteFileW(ui::ToWide(path_).c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

TEST(Settings, FirstStartRecordsTheMachineIdAndCreatesTheSaveFolder) {
  ui::InitWindowLayer();
  OwnSettingsFile file;
  RemoveDirectoryW(ui::ToWide(Dir() + "\\Down").c_str());
  const Settings settings = LoadSettings(file.Path());
  const std::string id = ReadMachineId();
  EXPECT_FALSE(id.empty());
  EXPECT_EQ(MachineId.Get(), id);
  EXPECT_EQ(ReadFile(file.Path()), "[软件标识]\r\nUid=" + id + "\r\n");
  EXPECT_TRUE(Exists(Dir() + "\\Down"));
  EXPECT_EQ(settings.saveFolder, Dir() + "\\Down\\");
}

TEST(Settings, RecordedSaveFolderGetsOneBackslashAppended) {
  OwnSettingsFile file;
  const std::string id = ReadMachineId();
  WriteFile(file.Path(), "[软件标识]\r\nUid=" + id + "\r\n[视频下载]\r\nDown=C:\\视频\r\n");
  EXPECT_EQ(LoadSettings(file.Path()).saveFolder, "C:\\视频\\");
  WriteFile(file.Path(), "[软件标识]\r\nUid=" + id + "\r\n[视频下载]\r\nDown=C:\\视频\\\r\n");
  EXPECT_EQ(LoadSettings(file.Path()).saveFolder, "C:\\视频\\\\");
}

// What the file says goes to the shell and into requests: a save folder off
// the local drives counts as none, and so does an id, read or recorded,
// that holds a control byte.
TEST(Settings, AShareAsSaveFolderOrAnIdWithAControlByteCountsAsNone) {
  OwnSettingsFile file;
  const std::string recorded = "[软件标识]\r\nUid=BFEB\rX-Injected: yes\r\n[视频下载]\r\nDown=\\\\127.0.0.1\\v\r\n";
  WriteFile(file.Path(), recorded);
  EXPECT_EQ(LoadSettings(file.Path(), "").saveFolder, DefaultSaveFolder());  // no id could be read
  EXPECT_EQ(MachineId.Get(), "");
  LoadSettings(file.Path(), "BFEB\nX");
  EXPECT_EQ(MachineId.Get(), "");
  EXPECT_EQ(ReadFile(file.Path()), recorded);
}

TEST(Settings, MachineIdIsRewrittenOnlyWhenItDiffers) {
  OwnSettingsFile file;
  const std::string id = ReadMachineId();
  const std::string same = "; mine\r\n[软件标识]\r\nUid=" + id + "\r\n[视频下载]\r\nDown=D:\\v\r\n";
  WriteFile(file.Path(), same);
  LoadSettings(file.Path());
  EXPECT_EQ(ReadFile(file.Path()), same);

  WriteFile(file.Path(), "[软件标识]\r\nUid=OLDCPU\r\n[视频下载]\r\nDown=D:\\v\r\n");
  LoadSettings(file.Path());
  EXPECT_EQ(MachineId.Get(), id);
  EXPECT_EQ(ReadFile(file.Path()), "[软件标识]\r\nUid=" + id + "\r\n[视频下载]\r\nDown=D:\\v\r\n");
}

TEST(Settings, AFailedSettingsWriteLeavesTheOldFileWhole) {
  OwnSettingsFile file;
  const std::string before = "[软件标识]\r\nUid=A\r\n[视频下载]\r\nDown=D:\\v\r\n";
  WriteFile(file.Path(), before);
  // A folder in the way of the new file makes the write fail.
  const std::wstring blocker = ui::ToWide(file.Path() + ".new");
  ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
  EXPECT_FALSE(WriteConfigValue(file.Path(), "软件标识", "Uid", "B"));
  RemoveDirectoryW(blocker.c_str());
  EXPECT_EQ(ReadFile(file.Path()), before);
  EXPECT_TRUE(WriteConfigValue(file.Path(), "软件标识", "Uid", "B"));
  EXPECT_EQ(ReadConfigValue(file.Path(), "软件标识", "Uid"), "B");
  EXPECT_FALSE(Exists(file.Path() + ".new"));
}

// Held open by another handle that lets nobody else read it, as another
// program may hold it.
class LockedFile {
 public:
  explicit LockedFile(const std::string& path)
      : handle_(CreateFileW(ui::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr)) {}
  ~LockedFile() { Unlock(); }
  bool Locked() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Unlock() {
    if (Locked()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

TEST(Settings, AnUnreadableSettingsFileIsNeverReplacedAndTheDefaultsServe) {
  OwnSettingsFile file;
  const std::string before = "[软件标识]\r\nUid=OLDCPU\r\n[视频下载]\r\nDown=D:\\v\r\n";
  WriteFile(file.Path(), before);
  LockedFile lock(file.Path());
  ASSERT_TRUE(lock.Locked());
  const Settings settings = LoadSettings(file.Path());
  EXPECT_EQ(settings.saveFolder, DefaultSaveFolder());
  EXPECT_EQ(MachineId.Get(), ReadMachineId());  // the fresh id serves this run
  EXPECT_EQ(ReadConfigValue(file.Path(), "视频下载", "Down"), "");
  EXPECT_FALSE(WriteConfigValue(file.Path(), "视频下载", "Down", "E:\\w"));
  lock.Unlock();
  EXPECT_EQ(ReadFile(file.Path()), before);
  EXPECT_FALSE(Exists(file.Path() + ".new"));
}

// Each test gets a start window of its own. Destroying one ends the process,
// as it should, so a finished test's window is hidden and left quiet instead.
class MainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ui::InitWindowLayer();
    InitGlobals();
  }
  void SetUp() override {
    DownloadingFlag.Set("");
    // Each test's start window gets a bar object of its own to attach to.
    StartProgressBar = std::make_unique<skin::CrystalProgressBar>();
    const int bootstraps = FinishedBootstraps();
    window_ = ui::Window::Load(MainWindowForm);
    ASSERT_NE(window_, nullptr);
    ASSERT_EQ(MainWin(), window_);
    // The window's bootstrap thread (no service here) ends quickly; until it
    // has, it holds window objects of its own that the counts would see.
    ASSERT_TRUE(testsupport::PumpFor("the start window's bootstrap thread to end",
                                     [&] { return FinishedBootstraps() > bootstraps; }));
  }
  void TearDown() override {
    EXPECT_EQ(testsupport::CloseStrayDialogs(), "") << "message boxes left open";
    if (!window_) return;
    window_->RemoveTrayIcon();
    window_->GetTimer("状态时钟").SetEnabled(false);
    window_->GetTimer("解析限制时钟").SetEnabled(false);
    ShowWindow(window_->Hwnd(), SW_HIDE);
  }
  ui::Window* window_ = nullptr;
};

TEST_F(MainWindowTest, ShowsTheRecordedSaveFolder) {
  EXPECT_EQ(ConfigPath.Get(), ConfigFilePath());
  EXPECT_EQ(window_->Get<ui::Control>("编辑框2").Text(), LoadSettings(ConfigFilePath()).saveFolder);
}

// A start with the program's own settings file held by another handle.
TEST(ProgramStart, AStartWithAnUnreadableSettingsFileLeavesItByteForByte) {
  ui::InitWindowLayer();
  InitGlobals();
  const std::string path = ConfigFilePath();
  const std::string kept = ReadFile(path);
  const std::string before = "; kept\r\n[软件标识]\r\nUid=OLDCPU\r\n[视频下载]\r\nDown=D:\\v\r\n";
  WriteFile(path, before);
  LockedFile lock(path);
  ASSERT_TRUE(lock.Locked());
  StartProgressBar = std::make_unique<skin::CrystalProgressBar>();
  const int bootstraps = FinishedBootstraps();
  ui::Window* w = ui::Window::Load(MainWindowForm);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(testsupport::PumpFor("the start window's bootstrap thread to end",
                                   [&] { return FinishedBootstraps() > bootstraps; }));
  EXPECT_EQ(w->Get<ui::Control>("编辑框2").Text(), DefaultSaveFolder());
  lock.Unlock();
  EXPECT_EQ(ReadFile(path), before);
  WriteFile(path, kept);
  w->RemoveTrayIcon();
  w->GetTimer("状态时钟").SetEnabled(false);
  w->GetTimer("解析限制时钟").SetEnabled(false);
  ShowWindow(w->Hwnd(), SW_HIDE);
}

// Another thread looks at the start window whenever the window thread takes
// its messages, as a tray click would: reading the machine id takes them
// while the settings are read.
TEST(ProgramStart, TheTrayIconComesOnlyOnceTheSettingsAreRead) {
  ui::InitWindowLayer();
  InitGlobals();
  StartProgressBar = std::make_unique<skin::CrystalProgressBar>();
  ui::Window* const earlier = MainWin();
  std::atomic<bool> loaded{false}, lookerEnded{false};
  std::atomic<int> beforeSettings{0}, trayBeforeSettings{0};
  std::thread looker([&] {
    while (!loaded) {
      ui::RunOnWindowThread([&] {
        ui::Window* w = MainWin();
        if (!w || w == earlier || !w->Get<ui::Control>("编辑框2").Text().empty()) return;
        ++beforeSettings;
        trayBeforeSettings += w->HasTrayIcon();
      });
    }
    lookerEnded = true;
  });
  const int bootstraps = FinishedBootstraps();
  ui::Window* w = ui::Window::Load(MainWindowForm);
  loaded = true;
  // Its last look waits for this thread's messages.
  EXPECT_TRUE(testsupport::PumpFor("the other thread's last look", [&] { return lookerEnded.load(); }));
  looker.join();
  ASSERT_NE(w, nullptr);
  EXPECT_GT(beforeSettings, 0) << "the window thread took no message while the settings were read";
  EXPECT_EQ(trayBeforeSettings, 0);
  EXPECT_TRUE(w->HasTrayIcon());
  ASSERT_TRUE(testsupport::PumpFor("the start window's bootstrap thread to end",
                                   [&] { return FinishedBootstraps() > bootstraps; }));
  w->RemoveTrayIcon();
  w->GetTimer("状态时钟").SetEnabled(false);
  w->GetTimer("解析限制时钟").SetEnabled(false);
  ShowWindow(w->Hwnd(), SW_HIDE);
}

TEST_F(MainWindowTest, StartsWithCaptionTrayIconControlsAndTexts) {
  EXPECT_EQ(window_->Caption(), "TavrinV1.0");
  EXPECT_TRUE(window_->HasTrayIcon());
  EXPECT_EQ(window_->TrayTip(), "TavrinV1.0");
  EXPECT_EQ(ProgramVersion.Get(), "1.0");
  EXPECT_EQ(SiteType.Get(), "0");
  for (const char* name : {"L1", "下载按钮", "编辑框2", "保存路径按钮", "选择框1"})
    EXPECT_FALSE(ui::Control(window_->ControlHwnd(name)).Enabled()) << name;
  EXPECT_TRUE(ui::Control(window_->ControlHwnd("工具条")).Enabled());

  auto list = window_->Get<ui::ListView>("L1");
  const char* titles[] = {"序号", "名称", "视频地址", "大小", "状态", "Url"};
  const int widths[] = {44, 180, 80, 70, 66, 0};
  ASSERT_EQ(list.ColumnCount(), 6);
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(list.ColumnTitle(c), titles[c]);
    EXPECT_EQ(list.ColumnWidth(c), widths[c]) << c;
  }
  auto bar = window_->Get<ui::Toolbar>("工具条");
  ASSERT_EQ(bar.ItemCount(), 8);
  EXPECT_EQ(bar.ItemText(1), "新建任务");
  EXPECT_EQ(bar.ItemText(2), "查看已下载 ");
  EXPECT_EQ(bar.ItemText(7), "退出");
  EXPECT_EQ(window_->Get<ui::Control>("透明标签1").Text(), "视频文件保存目录：");
  EXPECT_EQ(window_->Get<ui::Control>("下载按钮").Text(), "下载");
  EXPECT_EQ(window_->Get<ui::Control>("保存路径按钮").Text(), "设置");
  EXPECT_EQ(window_->Get<ui::Control>("选择框1").Text(), "全选");
  EXPECT_FALSE(window_->Get<ui::Control>("外形框2").Visible());
  EXPECT_FALSE(window_->Get<ui::Control>("W1").Visible());
  EXPECT_EQ(window_->GetTimer("解析限制时钟").Interval(), 1000);
  ASSERT_TRUE(StartProgressBar);
  EXPECT_EQ(StartProgressBar->Handle(), window_->ControlHwnd("进度条1"));
  EXPECT_EQ(StartProgressBar->GetColourStyle(), 4);
}

// The tip the toolbar's tooltip is given for an item, asked as the tooltip asks.
std::string ToolbarTip(ui::Window* w, int index) {
  HWND bar = w->ControlHwnd("工具条");
  NMTTDISPINFOW info = {};
  info.hdr.hwndFrom = (HWND)SendMessageW(bar, TB_GETTOOLTIPS, 0, 0);
  info.hdr.idFrom = index;
  info.hdr.code = TTN_GETDISPINFOW;
  SendMessageW(w->Hwnd(), WM_NOTIFY, index, (LPARAM)&info);
  return info.lpszText ? ui::ToGbk(info.lpszText) : "<none>";
}

TEST_F(MainWindowTest, ToolbarItemsHaveTheirTipsAndTheHandCursor) {
  EXPECT_EQ(ToolbarTip(window_, 1), "新建一个可解析的视频网址");
  EXPECT_EQ(ToolbarTip(window_, 2), "");
  EXPECT_EQ(ToolbarTip(window_, 4), "窗口置顶");
  EXPECT_EQ(ToolbarTip(window_, 5), "帮助");
  EXPECT_EQ(ToolbarTip(window_, 7), "退出");
  HWND bar = window_->ControlHwnd("工具条");
  SendMessageW(bar, WM_SETCURSOR, (WPARAM)bar, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, (LPCWSTR)IDC_HAND));
}

TEST_F(MainWindowTest, TopmostTogglesWithItsTextAndNewTaskClearsIt) {
  auto bar = window_->Get<ui::Toolbar>("工具条");
  ASSERT_FALSE(window_->Topmost());
  ClickToolbarItem(window_, 4);
  EXPECT_TRUE(window_->Topmost());
  EXPECT_EQ(bar.ItemText(4), "不置顶");
  ClickToolbarItem(window_, 4);
  EXPECT_FALSE(window_->Topmost());
  EXPECT_EQ(bar.ItemText(4), "置顶");

  ClickToolbarItem(window_, 4);
  ASSERT_TRUE(window_->Topmost());
  // 新建任务 opens the new-task window modally; it is closed from inside its loop.
  bool sawNewTask = false;
  ui::PostToWindowThread([&] {
    if (ui::Window* task = ParseWin()) {
      sawNewTask = !window_->Topmost() && IsWindowEnabled(window_->Hwnd()) == FALSE;
      task->Close();
    }
  });
  ClickToolbarItem(window_, 1);
  EXPECT_TRUE(sawNewTask);
  EXPECT_FALSE(window_->Topmost());
  EXPECT_EQ(bar.ItemText(4), "置顶");

  // Separators do nothing.
  for (int sep : {0, 3, 6}) ClickToolbarItem(window_, sep);
  EXPECT_FALSE(window_->Topmost());
  EXPECT_TRUE(IsWindow(window_->Hwnd()));
}

TEST_F(MainWindowTest, TipsRotateWithRandomIntervals) {
  EXPECT_EQ(window_->Get<ui::StatusBar>("状态条1").PanelText(0), "欢迎使用Tavrin！");
  ServedCount.Set("");
  const std::vector<std::string> tips = {
      "网络视频的地址是有时效性，解析完成后请及时进行下载，必免失效！",
      "觉得软件好用的话，别忘了分享给您的朋友哦！",
      "软件暂不支持视频合并功能，请使用第三方视频软件进行视频合并（如QQ影音）！",
      "目前已为您提供了  次的视频解析服务！",
      "软件目前仅对优酷、土豆、新浪、56、PPTV、PPS、酷6等网站支持解析服务！",
  };
  // The first tip comes from the timer after 3000 ms.
  EXPECT_EQ(window_->GetTimer("状态时钟").Interval(), 3000);
  const auto shownTip = [&] { return window_->Get<ui::StatusBar>("状态条1").PanelText(0); };
  ASSERT_TRUE(testsupport::PumpFor("the timer's first tip", [&] { return shownTip() != "欢迎使用Tavrin！"; }));
  const std::string first = shownTip();
  EXPECT_NE(std::find(tips.begin(), tips.end(), first), tips.end()) << first;
  std::set<int> intervals;
  for (int i = 0; i < 40; ++i) {
    ShowRandomTip(*window_);
    Sleep(3);
    const std::string shown = window_->Get<ui::StatusBar>("状态条1").PanelText(0);
    EXPECT_NE(std::find(tips.begin(), tips.end(), shown), tips.end()) << shown;
    int interval = window_->GetTimer("状态时钟").Interval();
    EXPECT_GE(interval, 3000);
    EXPECT_LE(interval, 30000);
    intervals.insert(interval);
  }
  EXPECT_GT(intervals.size(), 1u);
  EXPECT_EQ(TipTexts.Get(), std::string("网络视频的地址是有时效性，解析完成后请及时进行下载，必免失效！|") +
                                "觉得软件好用的话，别忘了分享给您的朋友哦！|" +
                                "软件暂不支持视频合并功能，请使用第三方视频软件进行视频合并（如QQ影音）！|" +
                                "目前已为您提供了  次的视频解析服务！|" +
                                "软件目前仅对优酷、土豆、新浪、56、PPTV、PPS、酷6等网站支持解析服务！");

  // A served count holding "|" makes more pieces, each a possible pick.
  ServedCount.Set("7|8");
  std::set<std::string> shown;
  for (int i = 0; i < 60; ++i) {
    ShowRandomTip(*window_);
    Sleep(2);
    shown.insert(window_->Get<ui::StatusBar>("状态条1").PanelText(0));
  }
  EXPECT_TRUE(shown.count("目前已为您提供了 7") || shown.count("8 次的视频解析服务！"));
  for (const std::string& s : shown) EXPECT_NE(s.find_first_not_of(' '), std::string::npos);
  EXPECT_LE(shown.size(), 6u);
  ServedCount.Set("");
}

TEST_F(MainWindowTest, ShowHideGoesToTheTrayAndATrayClickBringsItBack) {
  ToggleWindowVisible(*window_);
  EXPECT_FALSE(window_->Visible());
  EXPECT_TRUE(window_->Minimized());
  EXPECT_TRUE(window_->HasTrayIcon());
  // A double click does nothing; the release of a single click restores.
  SendMessageW(window_->Hwnd(), ui::kTrayCallbackMessage, 1, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(window_->Visible());
  SendMessageW(window_->Hwnd(), ui::kTrayCallbackMessage, 1, WM_LBUTTONUP);
  EXPECT_TRUE(window_->Visible());
  EXPECT_FALSE(window_->Minimized());

  // Toggling back from the tray puts the icon again with the caption as tip.
  ToggleWindowVisible(*window_);
  ToggleWindowVisible(*window_);
  EXPECT_TRUE(window_->Visible());
  EXPECT_EQ(window_->TrayTip(), "TavrinV1.0");
}

TEST_F(MainWindowTest, HidingAndRestoringLeaksNoGdiOrUserObjects) {
  ToggleWindowVisible(*window_);
  ToggleWindowVisible(*window_);
  ui::PumpPendingMessages();
  const testsupport::GuiObjects first = testsupport::CountGuiObjects();
  ASSERT_GT(first.gdi, 0u);
  ASSERT_GT(first.user, 0u);
  for (int i = 0; i < 200; ++i) {
    ToggleWindowVisible(*window_);
    ToggleWindowVisible(*window_);
  }
  ui::PumpPendingMessages();
  const testsupport::GuiObjects last = testsupport::CountGuiObjects();
  EXPECT_EQ(last.gdi, first.gdi);
  EXPECT_EQ(last.user, first.user);
  EXPECT_TRUE(window_->Visible());
}

TEST_F(MainWindowTest, ClosingWhileDownloadingAsksAndNoKeepsTheWindow) {
  testsupport::DialogWatcher watcher(IDNO);
  DownloadingFlag.Set("1");
  window_->Close();
  ASSERT_TRUE(watcher.WaitFor(1));
  EXPECT_EQ(watcher.Seen()[0].title, "温馨提示：");
  EXPECT_EQ(watcher.Seen()[0].text, "视频下载进行中，您是否退出下载？\r\n\r\n退出后未下载完的文件需要重新下载！");
  EXPECT_TRUE(IsWindow(window_->Hwnd()));
  EXPECT_TRUE(window_->HasTrayIcon());

  // The toolbar's exit asks the same question; No does nothing.
  ClickToolbarItem(window_, 7);
  ASSERT_TRUE(watcher.WaitFor(2));
  EXPECT_EQ(watcher.Seen()[1].text, watcher.Seen()[0].text);
  EXPECT_TRUE(IsWindow(window_->Hwnd()));
}

// The ways the program ends run in a child process of their own.
TEST_F(MainWindowTest, ClosingWithoutADownloadEndsTheProcessWithoutAQuestion) {
  EXPECT_EXIT(
      {
        testsupport::DialogWatcher watcher(IDNO);
        window_->Close();
        std::fprintf(stderr, "still running\n");
      },
      testing::ExitedWithCode(0), "^$");
}

TEST_F(MainWindowTest, ClosingWhileDownloadingAndAnsweringYesEndsTheProcess) {
  EXPECT_EXIT(
      {
        testsupport::DialogWatcher watcher(IDYES);
        DownloadingFlag.Set("1");
        window_->Close();
        std::fprintf(stderr, "still running\n");
      },
      testing::ExitedWithCode(0), "^$");
}

void SayCleanup() { std::fprintf(stderr, "cleanup ran\n"); }

TEST_F(MainWindowTest, LogOffEndsWithoutAskingEvenWhileDownloading) {
  EXPECT_EXIT(
      {
        testsupport::DialogWatcher watcher(IDNO);
        ui::RegisterCleanup(SayCleanup);
        DownloadingFlag.Set("1");
        ExitProgram();
      },
      testing::ExitedWithCode(0), "^cleanup ran\n$");
}

TEST_F(MainWindowTest, ToolbarExitWithoutADownloadEndsTheProcess) {
  EXPECT_EXIT(ClickToolbarItem(window_, 7), testing::ExitedWithCode(0), "^$");
}

}  // namespace

namespace {

// Answers the first message box of the process after printing its text.
void AnswerAndPrintTheMessage() {
  std::thread([] {
    for (;;) {
      HWND box = FindWindowW(L"#32770", nullptr);
      wchar_t text[512] = {};
      if (box && IsWindowVisible(box) && GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 512) > 0) {
        std::fprintf(stderr, "message: %s\n", ui::ToGbk(text).c_str());
        std::fflush(stderr);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(box, IDOK));
        return;
      }
      Sleep(20);
    }
  }).detach();
}

// Refuses to create any progress bar of this thread.
LRESULT CALLBACK RefuseProgressBars(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lp);
    if (!IS_INTRESOURCE(create->lpcs->lpszClass) && lstrcmpiW(create->lpcs->lpszClass, PROGRESS_CLASSW) == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

TEST(ProgramStart, AStartWindowThatCannotBeBuiltSaysSoAndEnds) {
  EXPECT_EXIT(
      {
        SetWindowsHookExW(WH_CBT, RefuseProgressBars, nullptr, GetCurrentThreadId());
        AnswerAndPrintTheMessage();
        ProgramStart();
        std::fprintf(stderr, "still running\n");
      },
      testing::ExitedWithCode(-1), "^message: 载入启动窗口失败\n$");
}

}  // namespace
